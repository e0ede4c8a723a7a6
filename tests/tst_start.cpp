#include <QtTest>

#include "session/status_texts.h"
#include "support/bench.h"
#include "support/progress_log.h"

// Given a simulated meter, the start-up sends its frames with their waits, shows the meter, polls.
class TstStart : public QObject {
    Q_OBJECT

    // The controls in `expected` ("+name" on, "-name" off) that are not so: menu entries, tabs and
    // buttons by whether they are usable, the other controls by whether they are shown.
    static QString unlike(const DisplayModel& d, const QString& expected) {
        QStringList l;
        for (const QString& c : expected.split(QLatin1Char(' '))) {
            const bool usable =
                c.contains(QRegularExpression(QStringLiteral("^.(mnu|regkor2_|frmND)")));
            if ((usable ? d.enabled(c.mid(1)) : d.visible(c.mid(1))) != c.startsWith('+')) l << c;
        }
        return l.join(QLatin1Char(' '));
    }

private slots:
    void start_up_reads_and_shows_the_meter_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<bool>("coldStart");
        QTest::addColumn<bool>("timersMeanwhile");
        QTest::addColumn<QStringList>("statusTexts");  // shown in turn, the last one stays
        const QString ok = "Verbindung in Ordnung", done = "Initialisierung durchgeführt.";
        QTest::newRow("regular") << Language::German << false << false << QStringList{ok, done};
        const auto cold = [](const char* name, Language s, const QString& connected,
                             const QString& done, bool timersMeanwhile = false) {
            const QString reset = "Reset 1 (Kaltstart %1) Wartezeit 4 sec";
            const QStringList texts{connected, "Wartezeit 10 sec", reset.arg(1), reset.arg(2)};
            QTest::newRow(name) << s << true << timersMeanwhile
                                << texts + QStringList{startTexts::pleaseWait(s), done};
        };
        cold("cold start in English", Language::English, "Connection ok", "Initialization ok.");
        // A click or a stray tick in the middle of the 10 s pause starts no second exchange.
        cold("cold start, timers switched on meanwhile", Language::German, ok, done, true);
    }
    void start_up_reads_and_shows_the_meter() {
        QFETCH(Language, language);
        QFETCH(bool, coldStart);
        QFETCH(bool, timersMeanwhile);
        Bench b;
        QStringList status;  // the status bar in turn, and how often the lamp turned red
        int red = 0;
        b.session.display.setListener([&](const QString& name, Aspect a, const QVariant& v) {
            if (name == QLatin1String("SB1_1") && a == Aspect::Text) status << v.toString();
            if (name == QLatin1String("Lampe") && v == QVariant(color::Red)) ++red;
        });
        b.session.language = language;
        b.sim.meter.coldStartNeeded = coldStart;
        b.sim.meter.profile = {FlowProfile::Kind::Constant, 75.0};
        for (Timer* t : {&b.session.TimCounts(), &b.session.TimCheckVerb()})
            if (timersMeanwhile) b.clock.schedule(6.0, [t] { t->on(); });
        const ProgressLog progress(b.session);
        b.start();
        // A cold start's bar counts its 18 s of waits and holds while the meter starts;
        // a start without one is over too soon to need a bar.
        QCOMPARE(coldStart ? progress.fault(18) : QString::number(progress.states.size()),
                 coldStart ? QString() : QStringLiteral("0"));
        const DisplayModel& d = b.session.display;
        // The EEPROM is read again 1 s after the answer's first byte, the error query once it is
        // in and nothing followed it for four byte times; a cold-started meter sends one byte: 10
        // s, two resets 4 s apart, then the full 35 s.
        const QStringList commands =
            coldStart ? QStringList{"00 00", "0B 00", "02 00", "02 00", "0B 00", "12 12"}
                      : QStringList{"00 00", "0B 00", "0B 00", "12 12"};
        const QVector<double> gaps = coldStart ? QVector<double>{0.006, 11.0, 4.0, 4.0 + 35.0}
                                               : QVector<double>{0.006, 1.006, 0.542};
        QCOMPARE(b.commands().mid(0, commands.size()), commands);
        for (int i = 0; i < gaps.size(); ++i)  // within 20 ms
            QVERIFY(qAbs(b.gaps().value(i, -1) - gaps[i]) < 0.02);
        QVERIFY(b.dialogs.shownMessages.isEmpty() && b.session.linkState.Verbunden &&
                !b.session.state.Startphase && b.session.state.Initialisierung == 0);
        QTEST(status, "statusTexts");
        const QString title = language == Language::German ? "Konfiguration" : "Configuration";
        QCOMPARE(
            (QStringList{b.shown("frmkor2"), b.shown("lblMEW"), b.shown("lblFNr"),
                         d.cell("tabStp_1", 12, 1), d.cell("tabDAC", 3, 2), d.cell("tabOF", 4, 1),
                         d.cell("tabError", 1, 1), d.cell("tabError", 1, 2)}),
            (QStringList{title + " Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1", "150",
                         "QO24031507", "3937", "10.370010", "10895", "0", "DLE "}));
        if (coldStart) QVERIFY(red > 10);  // the lamp blinks while the meter is waited for
        QCOMPARE(d.background("Lampe"), color::Green);
        QCOMPARE(unlike(d,
                        "+mnuhaupt_0 +mnuhaupt_1 +mnuhaupt_2 +mnuhaupt_3 +mnusicher_1 "
                        "+mnudatei_7 +regkor2_1 +regkor2_3 +frmND.cmdNDLesen +AnzAnalog "
                        "+raAktuell +Picconnect -Picdisconnect"),
                 QString());
        // Polling starts at once, asks for the status every fifth time and shows the value.
        const int sent = b.frames().size();
        b.clock.advance(0.02);
        QCOMPARE(b.commands(sent).value(0), QStringLiteral("03 02"));
        if (timersMeanwhile) return;  // the connection check would come in between
        b.clock.advance(0.98);
        const int polls = b.commands(sent).count("03 02");
        QVERIFY(polls > 50 && b.commands(sent).count("12 12") >= polls / 5 - 1);
        QCOMPARE(b.shown("lblAktMW") + " | " + b.shown("lblAktMW1"), "7 | 5.00");
        QCOMPARE(b.session.live.Counts, 32768);
    }

    void without_an_answer_the_tool_works_offline_data() {
        QTest::addColumn<Answer>("button");
        QTest::newRow("OK") << Answer::Ok;
        QTest::newRow("Cancel") << Answer::Cancel;
    }
    void without_an_answer_the_tool_works_offline() {
        QFETCH(Answer, button);
        Bench b;
        b.session.settings.unit.Umrechnungsfaktor = 60.0;
        b.sim.line.fault.silent = 1;
        b.dialogs.answers = {button};
        b.start();
        QCOMPARE(b.dialogs.titled(), QStringList{"Text 13 (Text 14)"});
        QVERIFY(!b.session.linkState.Verbunden);
        QCOMPARE(b.session.display.background("Lampe"), color::Grey);
        QCOMPARE(b.dialogs.ended, button == Answer::Cancel);
        b.clock.advance(5.0);
        QCOMPARE(b.commands(), QStringList{"00 00"});  // and after Cancel nothing at all
        if (b.dialogs.ended) return;
        // A configuration can be prepared without a meter; MEW and MOG are the whole of 100 / 60.
        QCOMPARE(unlike(b.session.display,
                        "+mnuhaupt_0 +mnuhaupt_1 -mnuhaupt_2 +mnudatei_1 -mnudatei_7 +regkor2_1 "
                        "+regkor2_3 -frmND.cmdNDspeichern -frmND.cmdNDLesen -raAktuell "
                        "-Picconnect +Picdisconnect"),
                 QString());
        const MeterParameters& m = b.session.meter;
        QCOMPARE(QList<float>({m.MEW, m.MOG, float(m.Filterfaktor)}), QList<float>({1, 1, 46958}));
    }
};

QTEST_GUILESS_MAIN(TstStart)
#include "tst_start.moc"
