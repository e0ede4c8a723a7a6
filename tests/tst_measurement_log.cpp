#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "files/log_record.h"
#include "files/measurement_log.h"
#include "support/file_helpers.h"

using Result = MeasurementLog::Result;

namespace {

constexpr int Full = MeasurementLog::MaxRecords;

QByteArray records(int count) {
    return QByteArray("r\r\n").repeated(count);
}

QString logFile(const QTemporaryDir& dir, int number) {
    return dir.filePath(QStringLiteral("md.%1").arg(number));
}

// Files md.1, md.2, … holding the given numbers of records.
void fillFiles(const QTemporaryDir& dir, const QList<int>& lines) {
    for (int i = 0; i < lines.size(); ++i)
        writeFile(logFile(dir, i + 1), records(lines[i]));
}

// -1 for a file that does not exist.
int lineCount(const QString& path) {
    return QFile::exists(path) ? int(readFile(path).count('\n')) : -1;
}

}  // namespace

// Given measured values taken at an interval, when they are logged, then each
// becomes one line in the numbered files, which fill up one after the other.
class TstMeasurementLog : public QObject {
    Q_OBJECT

private slots:
    void a_record_is_date_time_value_and_unit_in_the_locale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("interval");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("German, 0.5 s: seconds since midnight")
            << "de_DE" << 0.5 << 12.5f << "07.03.24  47045,25   12,5  kg/h";
        QTest::newRow("German, 2 s: clock time")
            << "de_DE" << 2.0 << 12.5f << "07.03.24 13:04:05  12,5  kg/h";
        QTest::newRow("English, 0.5 s: seconds since midnight")
            << "en_US" << 0.5 << 12.5f << "3/7/24  47045.25   12.5  kg/h";
        QTest::newRow("English, 2 s: clock time")
            << "en_US" << 2.0 << 12.5f << "3/7/24 1:04:05 PM  12.5  kg/h";
        QTest::newRow("a negative value has its sign in the blank's place")
            << "de_DE" << 1.0 << -3.75f << "07.03.24 13:04:05 -3,75  kg/h";
        QTest::newRow("the shortest digits of a single")
            << "en_US" << 2.0 << 0.1f << "3/7/24 1:04:05 PM  0.1  kg/h";
        QTest::newRow("a large value without exponent")
            << "en_US" << 2.0 << 1234567.0f << "3/7/24 1:04:05 PM  1234567  kg/h";
    }
    void a_record_is_date_time_value_and_unit_in_the_locale() {
        QFETCH(QString, locale);
        QFETCH(double, interval);
        QFETCH(float, value);
        const QDateTime now(QDate(2024, 3, 7), QTime(13, 4, 5, 250));
        QTEST(recordText(now, interval, value, "kg/h", QLocale(locale)), "line");
    }

    void start_continues_the_first_file_with_room_data() {
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("count");
        QTest::newRow("file 1 with room") << QList<int>{Full - 1} << 1 << Full - 1;
        QTest::newRow("files 1 and 2 full as logging leaves them")
            << QList<int>{Full, Full + 1} << 3 << 0;
    }
    void start_continues_the_first_file_with_room() {
        QFETCH(QList<int>, lines);
        QFETCH(int, number);
        QFETCH(int, count);
        QTemporaryDir dir;
        fillFiles(dir, lines);
        MeasurementLog log;
        QCOMPARE(log.start(dir.path(), "md"), Result::Ok);
        QCOMPARE(QList<int>({log.MdNummer(), log.MdSaetze()}), QList<int>({number, count}));
        QCOMPARE(log.MdDatei(), logFile(dir, number));
        QCOMPARE(log.append("new"), Result::Ok);
        QCOMPARE(readFile(log.MdDatei()), records(count) + "new\r\n");
    }

    void the_next_file_begins_when_the_count_passes_the_maximum_data() {
        QTest::addColumn<int>("appends");  // to file 1 holding one record less than full
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("lines");  // of files 1 to 3
        QTest::newRow("one record fills file 1") << 1 << 1 << Full << QList<int>{Full, -1, -1};
        QTest::newRow("the next one is the first line of file 2")
            << 2 << 2 << 0 << QList<int>{Full, 1, -1};
        QTest::newRow("later files hold one record more")
            << Full + 3 << 3 << 0 << QList<int>{Full, Full + 1, 1};
    }
    void the_next_file_begins_when_the_count_passes_the_maximum() {
        QFETCH(int, appends);
        QFETCH(int, number);
        QFETCH(int, count);
        QFETCH(QList<int>, lines);
        QTemporaryDir dir;
        fillFiles(dir, {Full - 1});
        MeasurementLog log;
        log.start(dir.path(), "md");
        for (int i = 1; i <= appends; ++i)
            QCOMPARE(log.append(QStringLiteral("m%1").arg(i)), Result::Ok);
        QCOMPARE(QList<int>({log.MdNummer(), log.MdSaetze()}), QList<int>({number, count}));
        QCOMPARE(QList<int>({lineCount(logFile(dir, 1)), lineCount(logFile(dir, 2)),
                             lineCount(logFile(dir, 3))}),
                 lines);
    }

    void after_the_last_file_is_full_nothing_more_is_written() {
        QTemporaryDir dir;
        QList<int> lines(MeasurementLog::MaxFiles, Full);
        lines.back() = Full - 1;
        fillFiles(dir, lines);
        MeasurementLog log;
        QCOMPARE(log.start(dir.path(), "md"), Result::Ok);
        QCOMPARE(log.MdEndung(), ".999");
        QCOMPARE(log.append("last"), Result::Ok);
        const QByteArray last = readFile(logFile(dir, 999));
        QCOMPARE(log.append("one too many"), Result::Exhausted);
        QVERIFY(!log.active());
        QCOMPARE(log.start(dir.path(), "md"), Result::Exhausted);
        QCOMPARE(readFile(logFile(dir, 999)), last);
        QCOMPARE(readFile(logFile(dir, 1)), records(Full));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), MeasurementLog::MaxFiles);
    }

    void a_record_cut_off_is_removed_before_the_next_one_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("cut within the text")
            << QByteArray("a\r\nb\r\nhal") << 2 << QByteArray("a\r\nb\r\nnew\r\n");
        QTest::newRow("cut between CR and LF")
            << QByteArray("a\r\nb\r") << 1 << QByteArray("a\r\nnew\r\n");
        QTest::newRow("nothing but a cut record")
            << QByteArray("hal") << 0 << QByteArray("new\r\n");
    }
    void a_record_cut_off_is_removed_before_the_next_one() {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        writeFile(logFile(dir, 1), before);
        MeasurementLog log;
        QCOMPARE(log.start(dir.path(), "md"), Result::Ok);
        QTEST(log.MdSaetze(), "count");
        log.append("new");
        QTEST(readFile(logFile(dir, 1)), "after");
    }
};

QTEST_GUILESS_MAIN(TstMeasurementLog)
#include "tst_measurement_log.moc"
