#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "curve/curve_texts.h"
#include "files/curve_csv.h"
#include "support/bench.h"
#include "support/file_helpers.h"
#include "support/property.h"

using Kind = curveTable::Fault::Kind;

// Given the meter's support points, when they are saved as CSV, read again and
// written to the meter, then the meter holds them; a file that is not a table
// the meter can hold whole is refused at the line that breaks it.
class TstCurveCsv : public QObject {
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
        QTest::newRow("blank lines") << "\n \r\n\n" << "no support points";
        QTest::newRow("semicolon") << "12;5" << "line 1: " + notTwo;
        QTest::newRow("not a number") << "1,nan" << "line 1: " + notTwo;
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
};

QTEST_GUILESS_MAIN(TstCurveCsv)
#include "tst_curve_csv.moc"
