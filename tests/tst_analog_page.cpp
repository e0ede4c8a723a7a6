#include <QtTest>

#include "support/bench.h"

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

    Bench b;
    Session& s = b.session;
    AnalogEditor& analog = b.features.analog;
    DigitalEditor& digital = b.features.digital;
};

struct Tick {
    bool connected;
    QList<int> ticked;  // the first by the technician
    QStringList inputs;
};
struct FullScale {
    float mog;
    int overflow;
    QString typed, box, label;  // the label read "10" before
    bool refused = false;
};
struct Limit {
    int overflow, messages;
    float meterFullScale;
    QString typed, mog, box;  // typed into the full scale and range limit boxes, in this order
};
struct Damping {
    int coefficient, ms;  // the meter's, its option then ticked; or 0, the slider moved to `ms`
    int position, realised;
};

}  // namespace

// Given the analog page, when the technician ticks options, types into its
// boxes or picks from its lists, then the new values are checked and shown.
class TstAnalogPage : public QObject {
    Q_OBJECT

private slots:
    // A ticked option shows its input and the new value it writes, none other; cancelling
    // clears all options but the range limit and reads the meter again.
    void a_ticked_option_shows_its_input_until_cancelled_data() {
        QTest::addColumn<Tick>("c");
        // clang-format off
        QTest::newRow("output type, with the error output")
            << Tick{true, {0, 4}, {"ListAnalogAus", "ListKonfErr", "lblKonfAnaOutNeu", "lblinfo_32", "lblKonfErrNeu"}};
        QTest::newRow("full scale") << Tick{true, {1}, {"txtKonfMEW", "lblinfo_15", "lblKonfMEWNeu"}};
        QTest::newRow("creep flow, no meter") << Tick{false, {2}, {"txtKonfSchleich", "lblKonfSchleichNeu"}};
        QTest::newRow("damping") << Tick{true, {3}, {"hscKonfFiltfakt", "lblAnZms", "lblKonfFiltFaktNeu"}};
        QTest::newRow("overflow") << Tick{true, {5}, {"ListUeberlauf", "lblKonfULNeu"}};
        QTest::newRow("range limit") << Tick{true, {6}, {"txtKonfMOG", "lblinfo_94", "lblKonfMOGNeu"}};
        // clang-format on
    }
    void a_ticked_option_shows_its_input_until_cancelled() {
        QFETCH(Tick, c);
        AnalogBench a(c.connected);
        a.analog.tickAnalog(c.ticked[0], true);
        for (int i = 0; i < AnalogEdit::Options; ++i)
            QCOMPARE(a.ticked(i), c.ticked.contains(i));
        for (const QString& input : c.inputs)
            QVERIFY2(a.s.display.visible(input), qPrintable(input));
        for (const char* next :
             {"lblKonfAnaOutNeu", "lblKonfMEWNeu", "lblKonfSchleichNeu", "lblKonfFiltFaktNeu",
              "lblKonfErrNeu", "lblKonfULNeu", "lblKonfMOGNeu"})
            QVERIFY2(a.s.display.visible(next) == c.inputs.contains(next), next);
        QVERIFY(a.s.display.enabled("mnusicher_0"));
        QCOMPARE(a.s.display.enabled("frmND.cmdNDspeichern"), c.connected);
        a.analog.chooseOverflow(0);
        a.s.display.setSelection("regkor2", 1);
        const int sent = a.b.sim.line.transcript.size();
        a.analog.cancelAnalog();
        const bool kept = c.ticked[0] == 6;
        for (int i = 0; i < AnalogEdit::Options; ++i)
            QCOMPARE(a.ticked(i), kept && i == 6);
        for (const QString& input : c.inputs)
            QVERIFY2(a.s.display.visible(input) == kept, qPrintable(input));
        QCOMPARE(a.s.display.enabled("mnusicher_0"), kept);  // writable while any is ticked
        QCOMPARE(a.s.meter.Ueberlauf, 0);
        QCOMPARE(a.b.commands(sent).contains("0B 00"), c.connected);
        QCOMPARE(a.s.display.selection("regkor2"), 0);
    }

    // The box keeps digits and a period; an overflow keeps 10 % above the full scale free.
    void the_full_scale_stays_within_the_range_limit_data() {
        QTest::addColumn<FullScale>("c");
        QTest::newRow("a comma becomes a period") << FullScale{200, 0, "12,5", "12.5", "12.5"};
        QTest::newRow("a letter is dropped") << FullScale{200, 0, "12a", "12", "12"};
        QTest::newRow("a second period ends it") << FullScale{200, 0, "1.2.3", "1.2.3", "1.2"};
        QTest::newRow("emptied") << FullScale{200, 0, "", "", ""};
        QTest::newRow("MOG + 0.1") << FullScale{100, 0, "100.1", "100.1", "100.1"};
        // The new-value label stays blank while the box holds a refused value.
        QTest::newRow("above, kept in the box") << FullScale{100, 0, "100.2", "100.2", "", true};
        QTest::newRow("overflow, 90.1") << FullScale{100, 1, "90.1", "90.1", "90.1"};
        QTest::newRow("overflow, 90.2") << FullScale{100, 1, "90.2", "90", "90", true};
        QTest::newRow("MOG 12.5, overflow") << FullScale{12.5f, 1, "11.4", "11.25", "11.25", true};
    }
    void the_full_scale_stays_within_the_range_limit() {
        QFETCH(FullScale, c);
        AnalogBench a;
        a.s.meter.MOG = c.mog;
        a.s.meter.Ueberlauf = c.overflow;
        a.s.meter.MEW = 10;
        a.analog.tickAnalog(1, true);
        QCOMPARE(a.analog.boxChanged(Box::MEW, c.typed), c.box);
        QCOMPARE(a.b.shown("lblKonfMEWNeu"), c.label);
        QCOMPARE(a.b.dialogs.texts(), QStringList(c.refused, "Text 21"));
    }

    // The overflow switched, then a new range limit (kept with a comma) check
    // the full scale again, with one message at most.
    void a_new_limit_checks_the_full_scale_data() {
        QTest::addColumn<Limit>("c");
        QTest::newRow("passive") << Limit{0, 0, 190, "", "", "190"};
        QTest::newRow("active") << Limit{1, 0, 150, "", "", "150"};
        QTest::newRow("active, above 0.9 MOG") << Limit{1, 1, 190, "", "", "180"};
        QTest::newRow("a comma") << Limit{0, 0, 150, "", "160,5", "150"};
        QTest::newRow("the meter's above it") << Limit{0, 1, 150, "80", "100", "150"};
        QTest::newRow("active, typed above it") << Limit{1, 1, 150, "95", "100", "90"};
    }
    void a_new_limit_checks_the_full_scale() {
        QFETCH(Limit, c);
        AnalogBench a;
        a.s.meter.MEW = c.meterFullScale;
        a.analog.tickAnalog(1, true);
        a.digital.boxChanged(Box::FrequenzMax, "2500");
        a.analog.chooseOverflow(c.overflow ? 0 : 1);
        if (!c.typed.isEmpty()) a.analog.boxChanged(Box::MEW, c.typed);
        if (!c.mog.isEmpty())
            QCOMPARE(a.analog.boxChanged(Box::MOG, QString(c.mog).replace(',', '.')), c.mog);
        QCOMPARE(a.b.shown("lblKonfULNeu"), c.overflow ? "aktiv" : "passiv");
        QCOMPARE(a.b.shown("txtKonfMEW"), c.box);
        QCOMPARE(a.b.shown("txtFrequenzmax"), c.overflow ? "2272" : "2500");
        QCOMPARE(a.b.dialogs.texts(), QStringList(c.messages, "Text 21"));
    }

    // A moved slider stays within 3 to 5000 ms; ticking the option presets it.
    void the_damping_gives_the_time_the_meter_realises_data() {
        QTest::addColumn<Damping>("c");
        QTest::newRow("moved below the slider, 3 ms") << Damping{0, 1, 3, 3};
        QTest::newRow("moved to 1000 ms") << Damping{0, 1000, 1000, 992};
        QTest::newRow("moved above the slider, 5000 ms") << Damping{0, 9000, 5000, 5041};
        QTest::newRow("ticked with 62000") << Damping{62000, 0, 18, 18};
    }
    void the_damping_gives_the_time_the_meter_realises() {
        QFETCH(Damping, c);
        AnalogBench a;
        a.s.meter.Filterfaktor = c.coefficient;
        c.coefficient ? a.analog.tickAnalog(3, true) : a.analog.dampingMoved(c.ms);
        QCOMPARE(a.s.display.value("hscKonfFiltfakt"), c.position);
        QCOMPARE(a.b.shown("lblNDFilterfaktor"), QStringLiteral("%1 ms").arg(c.realised));
        a.analog.tickAnalog(3, true);
        a.analog.dampingMoved(c.position);
        QCOMPARE(a.b.features.deviceData.currentConfig().Daempfungszeit,
                 c.position);  // a saved file keeps it
    }
};

QTEST_GUILESS_MAIN(TstAnalogPage)
#include "tst_analog_page.moc"
