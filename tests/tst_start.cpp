#include <QtTest>

#include "session/status_texts.h"
#include "support/bench.h"

namespace {

// The controls in `enabled` and `visible` ("+name" on, "-name" off) whose state
// differs; a control never set is on, as the window starts.
QString unlike(const DisplayModel& d, const QString& enabled, const QString& visible) {
    QStringList l;
    for (const auto& [a, names] : {std::pair{Aspect::Enabled, enabled}, {Aspect::Visible, visible}})
        for (const QString& c : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QVariant v = d.get(c.mid(1), a);
            if ((!v.isValid() || v.toBool()) != c.startsWith(QLatin1Char('+'))) l << c;
        }
    return l.join(QLatin1Char(' '));
}

// Whether the first gaps are the expected ones, within 20 ms.
bool near(const QVector<double>& actual, const QVector<double>& expected) {
    for (int i = 0; i < expected.size(); ++i)
        if (qAbs(actual.value(i, -1) - expected[i]) >= 0.02) return false;
    return true;
}

}  // namespace

// Given a simulated meter, when the start-up runs on virtual time, then the
// tool sends the frames with the waits between them and shows the meter.
class TstStart : public QObject {
    Q_OBJECT

private slots:
    void start_up_reads_and_shows_the_meter_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("coldStart");
        QTest::addColumn<bool>("timersMeanwhile");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QVector<double>>("gaps");
        QTest::addColumn<QStringList>("statusTexts");  // shown in turn, the last one stays
        QTest::addColumn<QString>("title");
        const QStringList cold = {"00 00", "0B 00", "02 00", "02 00", "0B 00", "12 12"};
        // One byte after the first second: 10 s, two resets 4 s apart, then the silent
        // meter lets the full 35 s pass.
        const QVector<double> coldGaps = {0.006, 11.0, 4.0, 4.0 + 35.0};
        const auto coldTexts = [](const QString& connected, Language s, const QString& done) {
            return QStringList{connected,
                               "Wartezeit 10 sec",
                               "Reset 1 (Kaltstart 1) Wartezeit 4 sec",
                               "Reset 1 (Kaltstart 2) Wartezeit 4 sec",
                               startTexts::pleaseWait(s),
                               done};
        };
        const QString de = "Konfiguration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1";
        const QString en = "Configuration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1";
        const QString ok = "Verbindung in Ordnung", done = "Initialisierung durchgeführt.";
        // The EEPROM is read again a second after the first byte of the answer, and the
        // error query follows once the image has arrived at 9600 baud.
        QTest::newRow("regular") << int(Language::German) << false << false
                                 << QStringList{"00 00", "0B 00", "0B 00", "12 12"}
                                 << QVector<double>{0.006, 1.006, 0.54} << QStringList{ok, done}
                                 << de;
        QTest::newRow("cold start") << int(Language::German) << true << false << cold << coldGaps
                                    << coldTexts(ok, Language::German, done) << de;
        QTest::newRow("cold start in English")
            << int(Language::English) << true << false << cold << coldGaps
            << coldTexts("Connection ok", Language::English, "Initialization ok.") << en;
        QTest::newRow("cold start in French")
            << int(Language::French) << true << false << cold << coldGaps
            << coldTexts("Connection ok", Language::French, "Initialisation termineé.") << en;
        // A click or a stray tick in the middle of the 10 s pause starts no second exchange.
        QTest::newRow("cold start, timers switched on meanwhile")
            << int(Language::German) << true << true << cold << coldGaps
            << coldTexts(ok, Language::German, done) << de;
    }
    void start_up_reads_and_shows_the_meter() {
        QFETCH(int, language);
        QFETCH(bool, coldStart);
        QFETCH(bool, timersMeanwhile);
        QFETCH(QStringList, commands);
        QFETCH(QVector<double>, gaps);
        QFETCH(QStringList, statusTexts);
        QFETCH(QString, title);
        Bench b;
        QStringList status;  // the status bar in turn, and how often the lamp turned red
        int red = 0;
        b.session.display.setListener([&](const QString& name, Aspect a, const QVariant& v) {
            if (name == QLatin1String("SB1_1") && a == Aspect::Text) status << v.toString();
            if (name == QLatin1String("Lampe") && v == QVariant(color::Red)) ++red;
        });
        b.session.language = Language(language);
        b.sim.meter.coldStartNeeded = coldStart;
        if (timersMeanwhile)
            b.clock.schedule(6.0, [&] {
                b.session.TimCounts().on();
                b.session.TimCheckVerb().on();
            });
        b.start();
        const DisplayModel& d = b.session.display;
        QCOMPARE(b.commands().mid(0, commands.size()), commands);
        QVERIFY(near(b.gaps(), gaps));
        QVERIFY(b.dialogs.shownMessages.isEmpty());
        QVERIFY(b.session.linkState.Verbunden);
        QVERIFY(!b.session.state.Startphase);
        QCOMPARE(b.session.state.Initialisierung, 0);
        QCOMPARE(b.session.meter.Fertigungsnummer, QStringLiteral("QO24031507"));
        QCOMPARE(status, statusTexts);
        QCOMPARE(b.shown("frmkor2"), title);
        QCOMPARE(b.shown("lblMEW"), QStringLiteral("150"));
        QCOMPARE(b.shown("lblFNr"), QStringLiteral("QO24031507"));
        QCOMPARE(d.cell("tabStp_1", 12, 1), QStringLiteral("63000"));
        QCOMPARE(d.cell("tabDAC", 3, 2), QStringLiteral("10.370010"));
        QCOMPARE(d.cell("tabOF", 4, 1), QStringLiteral("10895"));
        QCOMPARE(d.cell("tabError", 1, 1), QStringLiteral("0"));
        QCOMPARE(d.cell("tabError", 1, 2), QStringLiteral("DLE "));
        // The lamp blinks while the cold-started meter is waited for.
        if (coldStart) QVERIFY(red > 10);
        QCOMPARE(d.background("Lampe"), color::Green);
        QCOMPARE(unlike(d,
                        "+mnuhaupt_0 +mnuhaupt_1 +mnuhaupt_2 +mnuhaupt_3 +mnusicher_1 "
                        "+mnudatei_7 +regkor2_1 +regkor2_3 +frmND.cmdNDLesen",
                        "+AnzAnalog +raAktuell +Picconnect -Picdisconnect"),
                 QString());
        QVERIFY(b.session.TimCounts().active());  // polling starts
        const int sent = b.frames().size();
        b.clock.advance(0.02);
        QCOMPARE(b.commands(sent).value(0), QStringLiteral("03 02"));
    }

    void polling_shows_the_measured_value() {
        Bench b;
        b.sim.meter.profile = {FlowProfile::Kind::Constant, 75.0};
        b.start();
        b.clock.advance(1.0);
        const QStringList commands = b.commands(4);
        QVERIFY(commands.count("03 02") > 50);
        QVERIFY(commands.count("12 12") >= commands.count("03 02") / 5 - 1);
        QCOMPARE(b.shown("lblAktMW"), QStringLiteral("7"));
        QCOMPARE(b.shown("lblAktMW1"), QStringLiteral("5.00"));
        QCOMPARE(b.session.live.Counts, 32768);
    }

    void without_an_answer_the_tool_works_offline_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("OK") << int(Answer::Ok);
        QTest::newRow("Cancel") << int(Answer::Cancel);
    }
    void without_an_answer_the_tool_works_offline() {
        QFETCH(int, button);
        Bench b;
        b.session.settings.unit.Umrechnungsfaktor = 60.0;
        b.sim.line.fault.silent = 1;
        b.dialogs.answers = {Answer(button)};
        b.start();
        QCOMPARE(b.commands(), QStringList{"00 00"});
        QCOMPARE(b.dialogs.texts(), QStringList{"Text 13"});
        QCOMPARE(b.dialogs.shownMessages[0].title, QStringLiteral("Text 14"));
        QVERIFY(!b.session.linkState.Verbunden);
        QCOMPARE(b.session.display.background("Lampe"), color::Grey);
        QCOMPARE(b.dialogs.ended, Answer(button) == Answer::Cancel);
        if (b.dialogs.ended) return;
        // A configuration can be prepared without a meter.
        QCOMPARE(unlike(b.session.display,
                        "+mnuhaupt_0 +mnuhaupt_1 -mnuhaupt_2 +mnudatei_1 -mnudatei_7 +regkor2_1 "
                        "+regkor2_3 -frmND.cmdNDspeichern -frmND.cmdNDLesen",
                        "-raAktuell -Picconnect +Picdisconnect"),
                 QString());
        QCOMPARE(b.session.meter.MEW, 1.0f);  // the whole part of 100 / 60
        QCOMPARE(b.session.meter.MOG, 1.0f);
        QCOMPARE(b.session.meter.Filterfaktor, 46958);
        b.clock.advance(5.0);
        QCOMPARE(b.frames().size(), 1);
    }

    void a_fault_while_polling_is_reported_once_data() {
        QTest::addColumn<int>("naks");
        QTest::addColumn<bool>("shortReply");
        QTest::addColumn<bool>("gone");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pollingGoesOn");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("visible");
        const char* up = "+AnzAnalog +raAktuell +Picconnect -Picdisconnect";
        QTest::newRow("five NAKs in a row")
            << 7 << false << false << "Text 17" << true << "+mnudatei_7 +frmND.cmdNDLesen" << up;
        QTest::newRow("short counts reply")
            << 0 << true << false << "Text 18" << true << "+mnudatei_7 +frmND.cmdNDLesen" << up;
        QTest::newRow("link broken")
            << 0 << false << true << "Text 13" << false
            << "+mnuhaupt_1 -mnudatei_7 -frmND.cmdNDspeichern -frmND.cmdNDLesen"
            << "-AnzAnalog -raAktuell -Picconnect +Picdisconnect";
    }
    void a_fault_while_polling_is_reported_once() {
        QFETCH(int, naks);
        QFETCH(bool, shortReply);
        QFETCH(bool, gone);
        QFETCH(QString, text);
        QFETCH(bool, pollingGoesOn);
        QFETCH(QString, enabled);
        QFETCH(QString, visible);
        Bench b;
        b.start();
        b.sim.line.fault.nak = naks;
        b.sim.line.fault.truncateTo = 2;  // a short reply keeps DLE and one byte
        if (shortReply) b.sim.line.fault.script = {Fault::Truncated};
        b.sim.line.fault.gone = gone;
        b.clock.advance(5.0);
        QCOMPARE(b.dialogs.texts(), QStringList{text});
        QCOMPARE(b.session.display.background("Lampe"), pollingGoesOn ? color::Green : color::Grey);
        QCOMPARE(unlike(b.session.display, enabled, visible), QString());
        const int sent = b.frames().size();
        b.clock.advance(5.0);
        QCOMPARE(b.frames().size() > sent, pollingGoesOn);
    }
};

QTEST_GUILESS_MAIN(TstStart)
#include "tst_start.moc"
