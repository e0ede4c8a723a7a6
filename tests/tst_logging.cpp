#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "session/status_texts.h"
#include "support/bench.h"
#include "support/file_helpers.h"

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
// recording on, then every tick records the last measured value in numbered files.
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

    void the_menu_warning_opens_the_dialog_only_on_yes() {
        LogBench l;
        l.b.dialogs.answers = {Answer::No, Answer::Yes};
        l.b.features.recording.startLoggingFromMenu();
        QVERIFY(!l.d().visible("frmMdSave"));
        l.b.features.recording.startLoggingFromMenu();
        QVERIFY(l.d().visible("frmMdSave"));
        QCOMPARE(l.d().get("frmMdSave.txtInterval", Aspect::Text).toString(), QStringLiteral("1"));
        QCOMPARE(l.b.features.recording.logging.MdInterval, 1.0f);
    }

    void a_typed_name_loses_what_a_file_name_cannot_take_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString point = "Keine Punkte oder Kommas !";
        row("a trailing point", "md.", "md", point);
        row("a trailing comma", "md,", "md", point);
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
        QCOMPARE(l.d().background("shpMdSave"), Color(0xC0C0C0));
        QCOMPARE(readFile(dir.filePath("md.2")).count('\n'), 13);
    }

    // The dialog names the file written while another folder and name wait for
    // the next file; a folder chosen with the name emptied ends the recording.
    void another_folder_and_name_take_effect_at_the_next_file() {
        QTemporaryDir a, b;
        writeFile(a.filePath("mess.1"), records(Full - 1));
        LogBench l;
        l.record(a.path(), "mess");
        l.b.features.recording.chooseLogFolder(b.path());
        l.b.features.recording.logNameTyped("neu");
        l.ticks(1);
        QCOMPARE(l.d().text("frmMdSave.lblDateiname"),
                 QDir::toNativeSeparators(a.filePath("mess.1")));
        l.ticks(1);
        QCOMPARE(l.d().text("frmMdSave.lblDateiname"), QStringLiteral("neu.1"));
        QCOMPARE(readFile(a.filePath("mess.1")).count('\n'), Full);
        QCOMPARE(readFile(b.filePath("neu.1")).count('\n'), 1);
        l.b.features.recording.logNameTyped("");
        l.b.features.recording.chooseLogFolder(a.path());
        QCOMPARE(l.b.dialogs.texts(), QStringList("Kein Dateiname angegeben !"));
        QVERIFY(!l.ticked() && !l.b.features.recording.logging.MdAktiv);
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
        QCOMPARE(l.d().background("shpMdSave"), Color(0xC0C0C0));
        QVERIFY(l.b.features.recording.logging.MdAktiv && l.ticked());

        l.b.sim.line.fault.gone = false;
        if (byHand) l.b.session.connectMeter();
        l.ticks(60);
        const int after = l.b.features.recording.measurementLog().MdSaetze();
        QVERIFY2(after > before + 40, qPrintable(QString::number(after)));
        QCOMPARE(l.b.shown("SB1_1"), startTexts::recordingResumed(Language::German, file));
        QCOMPARE(trendNote, "Aufzeichnung: " + file);
        QVERIFY(!l.d().visible("frmMdSave.lblDateipruefen"));
        QCOMPARE(l.d().text("frmMdSave.lblDateiname"), QStringLiteral("md.1"));
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
};

QTEST_GUILESS_MAIN(TstLogging)
#include "tst_logging.moc"
