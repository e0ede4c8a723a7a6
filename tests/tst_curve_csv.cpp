#include <QTemporaryDir>
#include <QtTest>

#include "files/curve_csv.h"

namespace {

MeterParameters withPoints(const QVector<qint32>& counts, const QVector<float>& flows) {
    MeterParameters p;
    for (int i = 0; i < counts.size(); ++i) {
        p.StpCounts[size_t(i + 1)] = counts[i];
        p.StpFlow[size_t(i + 1)] = flows[i];
    }
    p.StpAnzahl = counts.size();
    return p;
}

}  // namespace

// Given the meter's support points, when they are saved as CSV and read again,
// then every point comes back exactly, and a file that is not a table is
// refused at the line that breaks it.
class TstCurveCsv : public QObject {
    Q_OBJECT

private slots:
    void the_points_up_to_the_first_without_counts_are_written() {
        MeterParameters p = withPoints({120, 2048, 4095, 0, 300}, {0.5f, 12.25f, 0.1f, 7, 8});
        QCOMPARE(curveCsv::text(p), QByteArray("counts,kg/h\n120,0.5\n2048,12.25\n4095,0.1\n"));
    }

    void thirty_points_read_back_exactly() {
        QVector<qint32> counts;
        QVector<float> flows;
        for (int i = 1; i <= 30; ++i)
            counts << i * 136, flows << float(i) / 3.0f + 1e-6f * float(i * i);
        QTemporaryDir folder;
        QString error;
        QVERIFY(curveCsv::write(folder.filePath("curve.csv"), withPoints(counts, flows), error));
        const curveCsv::ReadResult r = curveCsv::read(folder.filePath("curve.csv"));
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(r.counts, counts);
        QCOMPARE(r.flows, flows);
    }

    void a_missing_file_is_an_error() {
        QTemporaryDir folder;
        QVERIFY(!curveCsv::read(folder.filePath("none.csv")).ok());
    }

    // The header is optional and any line end will do; the points read come
    // first, and what was there before beyond them is cleared.
    void applying_a_table_replaces_the_points_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("header, LF") << "counts,kg/h\n10,1.5\n4095,-2\n";
        QTest::newRow("no header") << "10,1.5\n4095,-2";
        QTest::newRow("CR LF, blanks and blank lines") << "\r\nCounts,kg/h\r\n 10 , 1.5\r\n"
                                                          "\r\n4095,-2.0\r\n\r\n";
    }
    void applying_a_table_replaces_the_points() {
        QFETCH(QString, text);
        const curveCsv::ReadResult r = curveCsv::parse(text);
        QVERIFY2(r.ok(), qPrintable(r.error));
        MeterParameters p = withPoints(QVector<qint32>(30, 99), QVector<float>(30, 9.0f));
        curveCsv::apply(r, p);
        QCOMPARE(p.StpAnzahl, 2);
        QCOMPARE(QVector<qint32>(p.StpCounts.begin() + 1, p.StpCounts.begin() + 31),
                 QVector<qint32>({10, 4095}) + QVector<qint32>(28, 0));
        QCOMPARE(QVector<float>(p.StpFlow.begin() + 1, p.StpFlow.begin() + 31),
                 QVector<float>({1.5f, -2.0f}) + QVector<float>(28, 0.0f));
    }

    void a_file_that_is_not_a_table_is_refused_at_its_line_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QString points31 = "counts,kg/h\n";
        for (int i = 1; i <= 31; ++i)
            points31 += QStringLiteral("%1,1.5\n").arg(i);
        const QString notTwo = "not two numbers \"counts,kg/h\"";
        // clang-format off
        QTest::newRow("31 points") << points31 << "line 32: more than 30 points";
        QTest::newRow("counts 4096") << "1,2\n4096,3\n" << "line 2: counts 4096 outside 0..4095";
        QTest::newRow("counts -1") << "\n-1,3\n" << "line 2: counts -1 outside 0..4095";
        QTest::newRow("semicolon") << "12;5" << "line 1: " + notTwo;
        QTest::newRow("not a number") << "1,nan" << "line 1: " + notTwo;
        QTest::newRow("three fields") << "1,2,3" << "line 1: " + notTwo;
        QTest::newRow("a second header") << "counts,kg/h\ncounts,kg/h" << "line 2: " + notTwo;
        // clang-format on
    }
    void a_file_that_is_not_a_table_is_refused_at_its_line() {
        QFETCH(QString, text);
        QTEST(curveCsv::parse(text).error, "error");
    }
};

QTEST_GUILESS_MAIN(TstCurveCsv)
#include "tst_curve_csv.moc"
