#include <QtTest>

#include "support/bench.h"

using Box = Session::Box;

namespace {

// A started meter (range limit 200 kg/h, full scale 150 kg/h, damping
// coefficient 62000), or, when none answers, the tool prepared without one.
struct AnalogBench {
    explicit AnalogBench(bool connected = true) {
        b.sim.line.fault.gone = !connected;
        b.start();
        b.dialogs.shownMessages.clear();
    }
    bool ticked(int option) const {
        return s.display.value(QStringLiteral("chkKonfAnalog_%1").arg(option));
    }
    QString box(Box x) const { return b.shown(Session::boxName(x)); }
    // Types key after key into the emptied box, as the box shows it after each.
    QString type(Box x, const QString& keys) {
        QString text;
        for (const QChar key : keys)
            text = s.boxChanged(x, text + key);
        return keys.isEmpty() ? s.boxChanged(x, QString()) : text;
    }

    Bench b;
    Session& s = b.session;
};

struct Tick {
    int option;
    bool connected;
    QList<int> ticked;
    QStringList inputs;
};
struct Typing {
    Box box;
    QString keys, shown, label;
};
struct FullScale {
    float mog;
    int overflow;
    QString typed, box, label;  // the label read "10" before
};
struct RangeLimit {
    int overflow;
    QString fullScale;  // typed before; empty: its option was not ticked
    QString typed, shown;
    float mog;
    QString box;
    int messages;
};
struct Damping {
    int coefficient;  // the meter's, when its option is ticked; 0: the slider moved to `ms`
    int ms, position, coefficientNew;
    QString realised;
};
struct Output {
    int error, range, errorAfter;
    QStringList levels;
    QString caption, unit;
};
struct Overflow {
    int choice;
    float meterFullScale;
    QString word;
    QStringList messages;
    QString fullScale, frequency;
};

}  // namespace

// Given the analog page, when the technician ticks options, types into its
// boxes or picks from its lists, then the new values are checked and shown.
class TstAnalogPage : public QObject {
    Q_OBJECT

private slots:
    void a_ticked_option_shows_its_input_until_cleared_data() {
        QTest::addColumn<Tick>("c");
        QTest::newRow("output type brings the error output")
            << Tick{0, true, {0, 4}, {"ListAnalogAus", "ListKonfErr"}};
        QTest::newRow("full scale") << Tick{1, true, {1}, {"txtKonfMEW", "lblinfo_15"}};
        QTest::newRow("creep flow") << Tick{2, true, {2}, {"txtKonfSchleich", "lblinfo_28"}};
        QTest::newRow("creep flow, no meter") << Tick{2, false, {2}, {"txtKonfSchleich"}};
        QTest::newRow("damping") << Tick{3, true, {3}, {"hscKonfFiltfakt", "lblAnZms"}};
        QTest::newRow("error output") << Tick{4, true, {4}, {"ListKonfErr"}};
        QTest::newRow("overflow") << Tick{5, true, {5}, {"ListUeberlauf"}};
        QTest::newRow("range limit") << Tick{6, true, {6}, {"txtKonfMOG", "lblinfo_94"}};
    }
    void a_ticked_option_shows_its_input_until_cleared() {
        QFETCH(Tick, c);
        AnalogBench a(c.connected);
        a.s.tickAnalog(c.option, true);
        for (int i = 0; i < EditState::AnalogOptions; ++i)
            QCOMPARE(a.ticked(i), c.ticked.contains(i));
        for (const QString& input : c.inputs)
            QVERIFY2(a.s.display.visible(input), qPrintable(input));
        QVERIFY(a.s.display.visible("raKonfAnaNeu"));
        QCOMPARE(a.s.display.enabled("frmND.cmdNDspeichern"), c.connected);
        for (int i : c.ticked) {  // writable while any option is still ticked
            QVERIFY(a.s.display.enabled("mnusicher_0"));
            a.s.tickAnalog(i, false);
        }
        QVERIFY(!a.s.display.enabled("mnusicher_0"));
        QVERIFY(!a.s.display.enabled("frmND.cmdNDspeichern"));
        QVERIFY(!a.s.display.visible("raKonfAnaNeu"));
        for (const QString& input : c.inputs)
            QVERIFY2(!a.s.display.visible(input), qPrintable(input));
    }

    void a_number_box_keeps_digits_and_a_period_data() {
        QTest::addColumn<Typing>("c");
        QTest::newRow("a comma becomes a period") << Typing{Box::MEW, "12,5", "12.5", "12.5"};
        QTest::newRow("a letter is dropped") << Typing{Box::MEW, "12a", "12", "12"};
        QTest::newRow("a second period ends it") << Typing{Box::MEW, "1.2.3", "1.2.3", "1.2"};
        QTest::newRow("an emptied box") << Typing{Box::MEW, "", "", ""};
        QTest::newRow("creep flow, comma") << Typing{Box::Schleich, "0,25", "0.25", "0.25"};
    }
    void a_number_box_keeps_digits_and_a_period() {
        QFETCH(Typing, c);
        AnalogBench a;
        a.s.tickAnalog(c.box == Box::MEW ? 1 : 2, true);
        QStringList focus;
        a.s.display.setListener([&](const QString& name, Aspect aspect, const QVariant&) {
            if (aspect == Aspect::Focus) focus << name;
        });
        QCOMPARE(a.type(c.box, c.keys), c.shown);
        QCOMPARE(a.box(c.box), c.shown);
        QCOMPARE(a.b.shown(c.box == Box::MEW ? "lblKonfMEWNeu" : "lblKonfSchleichNeu"), c.label);
        QCOMPARE(focus.contains(Session::boxName(c.box)), c.keys.isEmpty());
        QVERIFY(a.b.dialogs.shownMessages.isEmpty());
    }

    // With the overflow active the output keeps 10 % above the full scale free.
    void the_full_scale_stays_within_the_range_limit_data() {
        QTest::addColumn<FullScale>("c");
        QTest::newRow("MOG 100, MOG + 0.1") << FullScale{100, 0, "100.1", "100.1", "100.1"};
        QTest::newRow("MOG 100, above, kept") << FullScale{100, 0, "100.2", "100.2", "10"};
        QTest::newRow("MOG 100, overflow, 90.1") << FullScale{100, 1, "90.1", "90.1", "90.1"};
        QTest::newRow("MOG 100, overflow, 90.2") << FullScale{100, 1, "90.2", "90", "90"};
        QTest::newRow("MOG 50, overflow, 45.1") << FullScale{50, 1, "45.1", "45.1", "45.1"};
        QTest::newRow("MOG 50, overflow, 45.2") << FullScale{50, 1, "45.2", "45", "45"};
        QTest::newRow("MOG 250, 250.1") << FullScale{250, 0, "250.1", "250.1", "250.1"};
        QTest::newRow("MOG 250, overflow, 226") << FullScale{250, 1, "226", "225", "225"};
        QTest::newRow("MOG 12.5, overflow, 11.4") << FullScale{12.5f, 1, "11.4", "11.25", "11.25"};
    }
    void the_full_scale_stays_within_the_range_limit() {
        QFETCH(FullScale, c);
        AnalogBench a;
        a.s.meter.MOG = c.mog;
        a.s.meter.Ueberlauf = c.overflow;
        a.s.meter.MEW = 10;
        a.s.tickAnalog(1, true);
        QCOMPARE(a.s.boxChanged(Box::MEW, c.typed), c.box);
        QCOMPARE(a.b.shown("lblKonfMEWNeu"), c.label);
        QCOMPARE(a.b.shown("lblNDMew"), c.label);
        const bool refused = c.label != c.typed;
        QCOMPARE(a.b.dialogs.texts(), refused ? QStringList{"Text 21"} : QStringList());
        if (refused) QCOMPARE(a.b.dialogs.shownMessages[0].title, QStringLiteral("Text 22"));
        if (refused) QCOMPARE(a.b.dialogs.shownMessages[0].symbol, Symbol::Critical);
    }

    // The box keeps a decimal comma; the full scale box takes the meter's value
    // again and checks it against the new limit, with one message at most.
    void a_new_range_limit_checks_the_full_scale_data() {
        QTest::addColumn<RangeLimit>("c");
        QTest::newRow("a period shows as a comma")
            << RangeLimit{0, "", "160.5", "160,5", 160.5f, "150", 0};
        QTest::newRow("overflow, below the meter's full scale")
            << RangeLimit{1, "", "12,5", "12,5", 12.5f, "11.25", 1};
        QTest::newRow("the meter's full scale above it, once refused")
            << RangeLimit{0, "80", "100", "100", 100, "150", 1};
        QTest::newRow("overflow, a typed full scale above it")
            << RangeLimit{1, "95", "100", "100", 100, "90", 1};
    }
    void a_new_range_limit_checks_the_full_scale() {
        QFETCH(RangeLimit, c);
        AnalogBench a;
        a.s.meter.Ueberlauf = c.overflow;
        if (!c.fullScale.isEmpty()) {
            a.s.tickAnalog(1, true);
            a.s.boxChanged(Box::MEW, c.fullScale);
        }
        QCOMPARE(a.s.boxChanged(Box::MOG, c.typed), c.shown);
        QCOMPARE(a.s.meter.MOG, c.mog);
        QVERIFY(a.ticked(1));
        QCOMPARE(a.box(Box::MEW), c.box);
        QCOMPARE(a.b.dialogs.shownMessages.size(), c.messages);
    }

    void the_damping_gives_the_time_the_meter_realises_data() {
        QTest::addColumn<Damping>("c");
        QTest::newRow("moved to 3 ms") << Damping{0, 3, 3, 46958, "3"};
        QTest::newRow("moved to 1000 ms") << Damping{0, 1000, 1000, 65469, "992"};
        QTest::newRow("moved to 5000 ms") << Damping{0, 5000, 5000, 65522, "5041"};
        QTest::newRow("moved below the slider") << Damping{0, 1, 3, 46958, "3"};
        QTest::newRow("moved above the slider") << Damping{0, 9000, 5000, 65522, "5041"};
        QTest::newRow("ticked with 62000") << Damping{62000, 0, 18, 61993, "18"};
        QTest::newRow("ticked, below 3 ms") << Damping{1000, 0, 3, 46958, "3"};
        QTest::newRow("ticked, above 5000 ms") << Damping{65534, 0, 5000, 65522, "5041"};
    }
    void the_damping_gives_the_time_the_meter_realises() {
        QFETCH(Damping, c);
        AnalogBench a;
        a.s.meter.Filterfaktor = c.coefficient;
        if (c.coefficient) a.s.tickAnalog(3, true);
        if (!c.coefficient) a.s.dampingMoved(c.ms);
        QCOMPARE(a.s.edit.FilterfaktorNeu, c.coefficientNew);
        QCOMPARE(a.s.display.value("hscKonfFiltfakt"), c.position);
        QCOMPARE(a.b.shown("lblAnZms"), QString::number(c.position));
        QCOMPARE(a.b.shown("lblKonfFiltFaktNeu"), c.realised);
        QCOMPARE(a.b.shown("lblNDFilterfaktor"), c.realised + " ms");
    }

    // Output entries: 0 "0 - 20 mA", 1 "4 - 20 mA", 2 "0 - 5 V", 3 "0 - 10 V".
    void an_output_range_offers_only_its_error_levels_data() {
        QTest::addColumn<Output>("c");
        const QStringList voltage{"min", "max", "", ""}, current{"min", "max", "", "up"};
        QTest::newRow("0 - 5 V drops up") << Output{3, 2, 0, voltage, "0 - 5", "Volt"};
        QTest::newRow("0 - 10 V keeps max") << Output{1, 3, 1, voltage, "0 - 10", "Volt"};
        QTest::newRow("0 - 20 mA drops down") << Output{2, 0, 0, current, "0 - 20", "mA"};
        QTest::newRow("0 - 20 mA keeps up") << Output{3, 0, 3, current, "0 - 20", "mA"};
    }
    void an_output_range_offers_only_its_error_levels() {
        QFETCH(Output, c);
        AnalogBench a;
        a.s.chooseAnalogOutput(1);
        a.s.chooseErrorOutput(c.error);
        a.s.chooseAnalogOutput(c.range);
        for (int i = 0; i < c.levels.size(); ++i)
            QCOMPARE(a.s.display.item("ListKonfErr", i), c.levels[i]);
        QCOMPARE(a.s.edit.ListKonfErr, c.errorAfter);
        QCOMPARE(a.b.shown("lblKonfErrNeu"), c.levels[c.errorAfter]);
        QCOMPARE(a.b.shown("lblKonfAnaOutNeu"), c.caption);
        QCOMPARE(a.b.shown("lblinfo_32"), c.unit);
        a.s.chooseErrorOutput(2);  // an empty entry for each of these ranges
        QCOMPARE(a.s.edit.ListKonfErr, c.errorAfter);
        QCOMPARE(a.b.shown("lblKonfErrNeu"), c.levels[c.errorAfter]);
        a.s.edit.Listensperre = 1;  // as while the meter's values are shown
        a.s.chooseAnalogOutput(1);
        a.s.chooseErrorOutput(1);
        QCOMPARE(a.b.shown("lblKonfAnaOutNeu"), c.caption);
        QCOMPARE(a.s.edit.ListKonfErr, c.errorAfter);
        QCOMPARE(a.s.display.item("ListKonfErr", 2), c.levels[2]);
    }

    void the_overflow_on_limits_full_scale_and_frequency_data() {
        QTest::addColumn<Overflow>("c");
        QTest::newRow("passive") << Overflow{1, 190, "passiv", {}, "190", "2500"};
        QTest::newRow("active") << Overflow{0, 150, "aktiv", {}, "150", "2272"};
        QTest::newRow("active, full scale above 0.9 MOG")
            << Overflow{0, 190, "aktiv", {"Text 21"}, "180", "2272"};
    }
    void the_overflow_on_limits_full_scale_and_frequency() {
        QFETCH(Overflow, c);
        AnalogBench a;
        a.s.meter.MEW = c.meterFullScale;
        a.s.tickAnalog(1, true);
        a.s.boxChanged(Box::FrequenzMax, "2500");
        a.s.chooseOverflow(c.choice);
        QCOMPARE(a.s.meter.Ueberlauf, c.choice == 0 ? 1 : 0);
        QCOMPARE(a.b.shown("lblKonfULNeu"), c.word);
        QCOMPARE(a.b.dialogs.texts(), c.messages);
        QCOMPARE(a.box(Box::MEW), c.fullScale);
        QCOMPARE(a.box(Box::FrequenzMax), c.frequency);
    }

    void cancelling_keeps_only_the_range_limit_and_reads_the_meter_data() {
        QTest::addColumn<bool>("connected");
        QTest::newRow("meter connected") << true;
        QTest::newRow("no meter answers") << false;
    }
    void cancelling_keeps_only_the_range_limit_and_reads_the_meter() {
        QFETCH(bool, connected);
        AnalogBench a(connected);
        for (int i = 0; i < EditState::AnalogOptions; ++i)
            a.s.tickAnalog(i, true);
        a.s.chooseOverflow(0);
        a.s.display.setSelection("regkor2", 1);
        const int sent = a.b.sim.line.transcript.size();
        a.s.cancelAnalog();
        for (int i = 0; i < EditState::AnalogOptions; ++i)
            QCOMPARE(a.ticked(i), i == 6);
        QVERIFY(a.s.display.enabled("mnusicher_0"));
        QCOMPARE(a.s.meter.Ueberlauf, 0);
        QCOMPARE(a.b.commands(sent).contains("0B 00"), connected);
        QCOMPARE(a.s.display.selection("regkor2"), 0);
    }
};

QTEST_GUILESS_MAIN(TstAnalogPage)
#include "tst_analog_page.moc"
