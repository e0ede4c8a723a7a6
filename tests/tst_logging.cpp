#include <QtTest>

#include "files/log_record.h"
#include "files/measurement_log.h"
#include "session/status_texts.h"
#include "support/bench.h"
#include "support/file_helpers.h"

using Result = MeasurementLog::Result;

namespace {

constexpr int Full = 16000;  // records a log file takes
const QString Max = "Größtmögliches Speicherinterval = 60 sec";

template <typename... T>
void row(const char* tag, const T&... values) {
    (QTest::newRow(tag) << ... << values);
}

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

struct LogBench {
    LogBench() { b.session.refreshControls(); }
    DisplayModel& d() { return b.session.display; }
    bool ticked() { return d().get("frmMdSave.chkMdSave", Aspect::Value).toBool(); }
    // The dialog opened on `folder`, the name typed and recording switched on.
    void record(const QString& folder, const QString& name = "md") {
        b.features.recording.openLoggingDialog();
        b.features.recording.chooseLogFolder(folder);
        b.features.recording.logNameTyped(name);
        b.features.recording.switchLogging(true);
    }
    void ticks(int n) {
        b.clock.advance(n * b.features.recording.TimMdsave().intervalMs() / 1000.0);
    }
    Bench b;
};

}  // namespace

// Given the logging dialog, when the technician names a log, sets the interval and switches
// recording on, then every tick records the last measured value as one line in numbered
// files, which fill up one after the other.
class TstLogging : public QObject {
    Q_OBJECT
    QTemporaryDir files_;  // all/md.1 to all/md.998, each full

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QDir(files_.path()).mkdir("all");
        for (int n = 1; n < 999; ++n)
            writeFile(files_.filePath(QStringLiteral("all/md.%1").arg(n)), records(Full));
    }

    void a_typed_name_loses_what_a_file_name_cannot_take_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString point = "Keine Punkte oder Kommas !";
        row("a trailing point", "md.", "md", point);
        row("257 characters", QString(257, 'x'), QString(256, 'x'),
            "Länge des Dateinamens nicht mehr als 256 Zeichen !");
    }
    void a_typed_name_loses_what_a_file_name_cannot_take() {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        LogBench l;
        QCOMPARE(l.b.features.recording.logNameTyped(typed), name);
        QCOMPARE(l.b.features.recording.logging.MdDateiname, name);
        QTEST(l.b.dialogs.texts().join(""), "message");
    }

    void the_interval_stays_between_a_tenth_and_sixty_seconds_data() {
        QTest::addColumn<QString>("before");  // typed first
        QTest::addColumn<QString>("action");  // "+" or "-" steps, anything else is typed
        QTest::addColumn<QString>("box");
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QString>("message");
        const QString min = "Kleinstmögliches Speicherinterval = 0,1 sec";
        row("a step up", "1", "+", "1.1", 1.1f, "");
        row("up from 59.95", "59.95", "+", "60", 60.0f, Max);
        row("down from 0.1", "0.1", "-", "0.1", 0.1f, min);
        row("typed 0,5", "1", "0,5", "0.5", 0.5f, "");
        row("typed 75", "1", "75", "75", 1.0f, Max);
    }
    void the_interval_stays_between_a_tenth_and_sixty_seconds() {
        QFETCH(QString, before);
        QFETCH(QString, action);
        QFETCH(float, seconds);
        LogBench l;
        l.b.features.recording.openLoggingDialog();
        l.b.features.recording.logIntervalTyped(before);
        if (action == "+" || action == "-")
            l.b.features.recording.stepInterval(action == "+");
        else
            l.b.features.recording.logIntervalTyped(action);
        QTEST(l.d().get("frmMdSave.txtInterval", Aspect::Text).toString(), "box");
        QCOMPARE(l.b.features.recording.logging.MdInterval, seconds);
        QCOMPARE(l.b.features.recording.TimMdsave().intervalMs(), qRound(seconds * 1000));
        QTEST(l.b.dialogs.texts().join(""), "message");
    }

    // With polling off, so that nothing but the logger could send.
    void each_tick_records_the_last_value_without_asking_the_meter() {
        QTemporaryDir dir;
        writeFile(dir.filePath("md.1"), records(Full));
        writeFile(dir.filePath("md.2"), records(10));
        LogBench l;
        l.b.start();
        l.b.session.setCountsTimer(false);
        l.b.session.settings.unit.Einheit = "Nm3/h";
        l.record(dir.path());
        QCOMPARE(l.d().text("frmMdSave.lblDateiname"), QStringLiteral("md.2"));
        const int sent = l.b.frames().size();
        QStringList counts;
        QList<Color> colours;
        for (const float value : {12.5f, -3.75f, 0.0f}) {
            l.b.session.live.Messwert = value;
            l.ticks(1);
            counts << l.d().text("frmMdSave.lblSaetze");
            colours << l.d().background("shpMdSave");
        }
        QCOMPARE(counts, QStringList({"11", "12", "13"}));
        QCOMPARE(l.b.frames().size(), sent);
        QVERIFY(colours[0] != colours[1] && colours[0] == colours[2]);
        QStringList values;  // what follows the date and the time
        for (const QString& line :
             QString::fromLatin1(readFile(dir.filePath("md.2"))).split("\r\n").mid(10))
            values << line.section(' ', 2);
        QCOMPARE(values, QStringList({" 12,5  Nm3/h", "-3,75  Nm3/h", " 0  Nm3/h", ""}));
        l.b.features.recording.switchLogging(false);
        l.ticks(1);
        QCOMPARE(readFile(dir.filePath("md.2")).count('\n'), 13);
    }

    // The adapter is pulled during a recording and comes back under the same
    // path: connected again from the menu, or on its own for a recording nobody
    // watches (the command-line tool).
    void a_broken_link_interrupts_the_recording_until_the_meter_is_back_data() {
        QTest::addColumn<bool>("byHand");
        row("connected again from the menu", true);
        row("connected again on its own", false);
    }
    void a_broken_link_interrupts_the_recording_until_the_meter_is_back() {
        QFETCH(bool, byHand);
        QTemporaryDir dir;
        LogBench l;
        l.b.sim.meter.profile = {FlowProfile::Kind::Constant, 60.0};
        l.b.start();
        QString trendNote;
        l.b.features.recording.onLoggingChanged([&](const QString& note) { trendNote = note; });
        l.record(dir.path());
        l.b.features.recording.logging.reconnect = !byHand;
        l.ticks(10);
        l.b.sim.line.fault.gone = true;
        l.ticks(5);
        const int before = l.b.features.recording.measurementLog().MdSaetze();
        const QString file = l.b.features.recording.measurementLog().MdDatei();
        l.ticks(60);
        QCOMPARE(l.b.features.recording.measurementLog().MdSaetze(), before);
        QCOMPARE(l.b.dialogs.texts().first(), QStringLiteral("Text 13"));
        QCOMPARE(l.b.shown("SB1_1"), startTexts::recordingInterrupted(Language::German, file));
        QCOMPARE(trendNote, l.b.shown("SB1_1"));
        QVERIFY(l.d().visible("frmMdSave.lblDateipruefen"));
        QVERIFY(l.b.features.recording.logging.MdAktiv && l.ticked());

        l.b.sim.line.fault.gone = false;
        if (byHand) l.b.session.connectMeter();
        l.ticks(60);
        const int after = l.b.features.recording.measurementLog().MdSaetze();
        QVERIFY2(after > before + 40, qPrintable(QString::number(after)));
        QCOMPARE(l.b.shown("SB1_1"), startTexts::recordingResumed(Language::German, file));
        QCOMPARE(trendNote, "Aufzeichnung: " + file);
        QVERIFY(!l.d().visible("frmMdSave.lblDateipruefen"));
        const QStringList lines =
            QString::fromLatin1(readFile(dir.filePath("md.1"))).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), after);
        for (const QString& line : lines)
            QCOMPARE(line.section(' ', 2).trimmed(), QStringLiteral("60  kg/h"));
    }

    void recording_stops_with_a_message_and_the_program_goes_on_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ticks");        // after the folder "sub" is removed
        QTest::addColumn<QString>("message");  // its beginning, paths from the test folder
        row("no name", "sub", "", 0, "Kein Dateiname angegeben !");
        row("a folder under a regular file", "afile/x", "md", 0, "afile/x/md.1: ");
        row("the folder removed while recording", "sub", "md", 2, "sub/md.2: ");
        row("the 999th file filled", "all", "md", 2, "Dateiname ist mit 999 Dateien erschöpft !");
    }
    void recording_stops_with_a_message_and_the_program_goes_on() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(int, ticks);
        QFETCH(QString, message);
        const QDir base(files_.path());
        writeFile(base.filePath("afile"), "");
        base.mkdir("sub");
        writeFile(base.filePath("sub/md.1"), records(Full - 1));
        writeFile(base.filePath("all/md.999"), records(Full - 1));
        LogBench l;
        l.d().put("frmMdSave.chkMdSave", Aspect::Value, true);  // as the technician ticked it
        l.record(base.filePath(folder), name);
        QDir(base.filePath("sub")).removeRecursively();
        l.ticks(ticks);
        QCOMPARE(l.b.dialogs.texts().size(), 1);
        const QString shown = l.b.dialogs.texts()[0].replace(base.path() + "/", "");
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        QVERIFY(!l.b.features.recording.logging.MdAktiv &&
                !l.b.features.recording.TimMdsave().active());
        QVERIFY(!l.ticked() && !l.b.dialogs.ended);
    }

    void a_record_is_date_time_value_and_unit_in_the_locale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("interval");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("German, 0.5 s: seconds since midnight")
            << "de_DE" << 0.5 << 12.5f << "07.03.24  47045,25   12,5  kg/h";
        QTest::newRow("German, 2 s: clock time")
            << "de_DE" << 2.0 << 12.5f << "07.03.24 13:04:05  12,5  kg/h";
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

    // Files 1 and 2 full as logging leaves them, file 2 holding one record more: a start goes
    // on with file 3.
    void start_continues_after_the_full_files() {
        QTemporaryDir dir;
        fillFiles(dir, {Full, Full + 1});
        MeasurementLog log;
        QCOMPARE(log.start(dir.path(), "md"), Result::Ok);
        QCOMPARE(log.MdDatei(), logFile(dir, 3));
        QCOMPARE(log.append("new"), Result::Ok);
        QCOMPARE(readFile(logFile(dir, 3)), QByteArray("new\r\n"));
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

QTEST_GUILESS_MAIN(TstLogging)
#include "tst_logging.moc"
