#include <QtTest>
#include <cmath>
#include <utility>

#include "curve/curve_plot.h"
#include "curve/curve_texts.h"
#include "files/curve_csv.h"
#include "support/bench.h"
#include "support/file_helpers.h"
#include "support/property.h"

using Kind = curveTable::Fault::Kind;

Q_DECLARE_METATYPE(MeterParameters)

namespace {

// Support points 1, 2, … in order; the rest of the table stays empty.
MeterParameters table(std::initializer_list<std::pair<qint32, float>> points) {
    MeterParameters t;
    size_t i = 0;
    for (const auto& [counts, flow] : points)
        ++i, t.StpCounts[i] = counts, t.StpFlow[i] = flow;
    return t;
}

}  // namespace

// Given the meter's support points, when they are saved as CSV, read again and written to the
// meter, then the meter holds them; a file that is not a table the meter can hold whole is
// refused at the line that breaks it. The chart draws the points up to the table's end, keeps
// them all in view and marks counts that fail to rise.
class TstCurve : public QObject {
    Q_OBJECT

private slots:
    void any_valid_table_round_trips_through_the_file_and_the_meter() {
        QCHECK_PROPERTY("CSV, meter and read-back hold the table", [] {
            const auto counts = *rc::gen::container<std::vector<int>>(
                *rc::gen::inRange(1, curveTable::MaxPoints + 1),
                rc::gen::inRange(1, curveTable::MaxCounts + 1));
            MeterParameters table;
            table.StpAnzahl = int(counts.size());
            for (size_t i = 1; i <= counts.size(); ++i) {
                table.StpCounts[i] = counts[i - 1];
                table.StpFlow[i] =
                    *rc::gen::suchThat<float>([](float f) { return std::isfinite(f); });
            }
            QTemporaryDir folder;
            const QString path = folder.filePath("curve.csv");
            QString error;
            RC_ASSERT(curveCsv::write(path, table, error));
            // Read as the file is written or as a person may have typed it.
            const QByteArray written = readFile(path);
            QByteArray typed = written.mid(written.indexOf('\n') + 1);
            if (*rc::gen::arbitrary<bool>()) typed.replace("\n", " \r\n\r\n").replace(",", " , ");
            if (*rc::gen::arbitrary<bool>()) typed.prepend("Counts,kg/h\n");
            writeFile(path, typed);
            const curveCsv::ReadResult r = curveCsv::read(path);
            RC_ASSERT(r.ok());
            Bench b;
            b.start();
            curveCsv::apply(r, b.session.meter);
            RC_ASSERT(b.features.points.writeSupportPoints() == WriteResult::Written);
            RC_ASSERT(curveCsv::text(b.session.meter, error) == written);
        });
    }

    // A table without points would erase the meter's, and a point without
    // counts would end it there.
    void a_file_that_is_not_a_table_is_refused_at_its_line_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QString points31 = "counts,kg/h\n";
        for (int i = 1; i <= 31; ++i)
            points31 += QStringLiteral("%1,1.5\n").arg(i);
        const QString notTwo = "not two numbers \"counts,kg/h\"";
        // clang-format off
        QTest::newRow("31 points") << points31 << "line 32: more than 30 points";
        QTest::newRow("counts 4096") << "1,2\n4096,3\n" << "line 2: counts 4096 outside 1..4095";
        QTest::newRow("counts 0 before the last point") << "\n0,3\n5,4" << "line 2: counts 0 outside 1..4095";
        QTest::newRow("0 bytes") << "" << "no support points";
        QTest::newRow("the header only") << "counts,kg/h\r\n" << "no support points";
        QTest::newRow("semicolon") << "12;5" << "line 1: " + notTwo;
        QTest::newRow("a second header") << "counts,kg/h\ncounts,kg/h" << "line 2: " + notTwo;
        // clang-format on
    }
    void a_file_that_is_not_a_table_is_refused_at_its_line() {
        QFETCH(QString, text);
        QTEST(curveCsv::parse(text).error, "error");
    }

    // Given a meter's table that could not be written back whole, no file is made of it.
    void a_table_the_meter_could_not_take_back_makes_no_file() {
        MeterParameters p;  // no points
        QTemporaryDir folder;
        QString error;
        QVERIFY(!curveCsv::write(folder.filePath("curve.csv"), p, error));
        p.StpAnzahl = 3;
        p.StpCounts[1] = p.StpCounts[3] = 100;
        QVERIFY(!curveCsv::write(folder.filePath("curve.csv"), p, error));
        QCOMPARE(error, curveTexts::refused(Language::English, {Kind::ZeroBeforeLast, 2, 3}));
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(!curveCsv::read(folder.filePath("curve.csv")).ok());  // a missing file
    }

    void the_chart_shows_the_table_up_to_its_end_data() {
        QTest::addColumn<MeterParameters>("table");
        QTest::addColumn<QList<QPointF>>("drawn");
        QTest::addColumn<QList<int>>("marked");
        QTest::newRow("points behind the first empty one are never drawn")
            << table({{1000, 10}, {2000, 20}, {0, 0}, {60000, 900}})
            << QList<QPointF>{{1000, 10}, {2000, 20}} << QList<int>();
        QTest::newRow("point 1 at 0 kg/h is drawn just above the axis")
            << table({{100, 0}, {2000, 50}})
            << QList<QPointF>{{100, curvePlot::ZeroFlow}, {2000, 50}} << QList<int>();
        QTest::newRow("a 200 kg/h meter at 4095 counts stays in view")
            << table({{1000, 20}, {4095, 200}}) << QList<QPointF>{{1000, 20}, {4095, 200}}
            << QList<int>();
        QTest::newRow("a falling and a repeated count are marked")
            << table({{1000, 10}, {3000, 50}, {2000, 60}, {2000, 70}})
            << QList<QPointF>{{1000, 10}, {3000, 50}, {2000, 60}, {2000, 70}} << QList<int>{3, 4};
        QTest::newRow("counts are read as their low 16 bits")
            << table({{0x10000 + 1000, 10}}) << QList<QPointF>{{1000, 10}} << QList<int>();
    }
    void the_chart_shows_the_table_up_to_its_end() {
        QFETCH(MeterParameters, table);
        QFETCH(QList<QPointF>, drawn);
        const curvePlot::Plot p = curvePlot::plot(table, nullptr);
        QCOMPARE(p.curve, drawn);
        QTEST(p.notRising, "marked");
        QVERIFY(!p.stored);
        QCOMPARE(p.counts.min, 0.0);
        QCOMPARE(p.flow.min, 0.0);
        double topCounts = 0, topFlow = 0;
        for (const QPointF& d : drawn)
            topCounts = std::max(topCounts, d.x()), topFlow = std::max(topFlow, d.y());
        // Every point in view, at least 5000 counts and 100 kg/h, no more than a quarter wider.
        const auto fits = [](double max, double top, double least) {
            return max >= std::max(least, top) && max <= std::max(least, 1.25 * top);
        };
        QVERIFY(fits(p.counts.max, topCounts, 5000));
        QVERIFY(fits(p.flow.max, topFlow, 100));
    }

    void the_stored_table_follows_the_same_rules_and_stays_in_view() {
        const MeterParameters edited = table({{1000, 10}});
        const MeterParameters stored = table({{500, 0}, {8000, 300}, {0, 400}});
        const curvePlot::Plot p = curvePlot::plot(edited, &stored);
        QCOMPARE(*p.stored, (QList<QPointF>{{500, curvePlot::ZeroFlow}, {8000, 300}}));
        QVERIFY(p.counts.max >= 8000);
        QVERIFY(p.flow.max >= 300);
    }
};

QTEST_GUILESS_MAIN(TstCurve)
#include "tst_curve.moc"
