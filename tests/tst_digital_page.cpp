#include <QtTest>

#include "support/bench.h"

using Box = Session::Box;

namespace {

// A started meter with a pulse output: full scale 150 kg/h, range limit 200 kg/h,
// frequencies 10 to 1000 Hz.
struct DigitalBench {
    explicit DigitalBench(const Unit& unit = Unit()) {
        b.start();
        s.settings.unit = unit;
        b.dialogs.shownMessages.clear();
    }
    bool visible(const QString& name) const { return s.display.visible(name); }

    Bench b;
    Session& s = b.session;
};

const QStringList allInputs{"ListFrequenz",     "txtFrequenzmin",   "txtFrequenzmax",
                            "txtKonfImpWert",   "hscKonfImpDauer",  "ListKonfImpPol",
                            "txtKonfSchaltMin", "txtKonfSchaltMax", "ListkonfSchaltPol"};
const QStringList allFrames{"raNDFrequenzstandard", "raNDFrequenzvariabel", "raNDImpuls",
                            "raNDSchalt"};

struct Kind {
    int kind;
    QStringList inputs;
    QString frame;  // of the device data window
};
struct Range {
    int chosenBefore;  // -1: no range chosen yet
    int kind, range;
    QString caption;
};
struct Frequency {
    Box box;
    int overflow;
    QString typed, shown;
    int hz;  // what the meter takes: the value rounded, or the limit the box is set back to
    bool refused;
};
struct TimeBase {
    Unit unit;
    QString typed;
    float perHour;
    QString pulseUnit;
};
struct Divider {
    float base;
    QString typed;
    quint32 divisor;
    bool fraction;
    int refusal;
};
struct Hint {
    Language language;
    hintTexts::Area area;
    int option;
    QString text;
};

}  // namespace

// Given the digital page, when the technician chooses an output kind and
// fills in its values, then they are checked, converted and shown.
class TstDigitalPage : public QObject {
    Q_OBJECT

private slots:
    void a_chosen_kind_shows_only_its_inputs_data() {
        QTest::addColumn<Kind>("c");
        QTest::newRow("standard frequency") << Kind{0, {"ListFrequenz"}, "raNDFrequenzstandard"};
        QTest::newRow("variable frequency")
            << Kind{1, {"txtFrequenzmin", "txtFrequenzmax"}, "raNDFrequenzvariabel"};
        QTest::newRow("pulse") << Kind{
            2, {"txtKonfImpWert", "hscKonfImpDauer", "ListKonfImpPol"}, "raNDImpuls"};
        QTest::newRow("switch") << Kind{
            3, {"txtKonfSchaltMin", "txtKonfSchaltMax", "ListkonfSchaltPol"}, "raNDSchalt"};
        QTest::newRow("no output") << Kind{4, {}, ""};
    }
    void a_chosen_kind_shows_only_its_inputs() {
        QFETCH(Kind, c);
        DigitalBench d;
        d.s.chooseDigital((c.kind + 2) % 5);
        d.s.chooseDigital(c.kind);
        for (int i = 0; i <= EditState::NoOutput; ++i)
            QCOMPARE(d.s.display.value(QStringLiteral("optDigital_%1").arg(i)) != 0, i == c.kind);
        for (const QString& input : allInputs)
            QVERIFY2(d.visible(input) == c.inputs.contains(input), qPrintable(input));
        for (const QString& frame : allFrames)
            QVERIFY2(d.visible(frame) == (frame == c.frame), qPrintable(frame));
        QVERIFY(d.s.display.enabled("mnusicher_0"));
    }

    void a_frequency_kind_sets_the_range_data() {
        QTest::addColumn<Range>("c");
        QTest::newRow("standard, none chosen: 1 - 100") << Range{-1, 0, 1, "1 - 100"};
        QTest::newRow("standard, 10 - 1000 chosen") << Range{1, 0, 2, "10 - 1000"};
        QTest::newRow("standard, 1 - 100 chosen") << Range{0, 0, 1, "1 - 100"};
        QTest::newRow("variable") << Range{-1, 1, 0, ""};
    }
    void a_frequency_kind_sets_the_range() {
        QFETCH(Range, c);
        Bench b;  // no meter read, so no range shown yet
        if (c.chosenBefore >= 0) b.session.chooseFrequencyRange(c.chosenBefore);
        b.session.chooseDigital(c.kind);
        QCOMPARE(b.session.meter.Frequenzbereich, c.range);
        if (c.kind == 0) QCOMPARE(b.shown("lblKonfFrequenzNeu"), c.caption);
        if (c.kind == 0) QCOMPARE(b.session.display.selection("ListFrequenz"), c.range - 1);
        b.session.edit.Listensperre = 1;  // as while the meter's values are shown
        b.session.chooseFrequencyRange(c.range == 2 ? 0 : 1);
        QCOMPARE(b.session.meter.Frequenzbereich, c.range);
    }

    // With the overflow active the output needs 10 % above the highest frequency.
    void a_frequency_stays_below_the_outputs_limit_data() {
        QTest::addColumn<Frequency>("c");
        QTest::newRow("2500 Hz") << Frequency{Box::FrequenzMax, 0, "2500", "2500", 2500, false};
        QTest::newRow("2501 Hz") << Frequency{Box::FrequenzMax, 0, "2501", "2500", 2500, true};
        QTest::newRow("lowest 2501 Hz")
            << Frequency{Box::FrequenzMin, 0, "2501", "2500", 2500, true};
        QTest::newRow("lowest, rounded")
            << Frequency{Box::FrequenzMin, 0, "12.6", "12.6", 13, false};
        QTest::newRow("overflow, 2272 Hz")
            << Frequency{Box::FrequenzMax, 1, "2272", "2272", 2272, false};
        QTest::newRow("overflow, 2300 Hz")
            << Frequency{Box::FrequenzMax, 1, "2300", "2272", 2272, true};
    }
    void a_frequency_stays_below_the_outputs_limit() {
        QFETCH(Frequency, c);
        DigitalBench d;
        d.s.meter.Ueberlauf = c.overflow;
        d.s.chooseDigital(1);
        d.s.display.setSelection("regkor2", 1);
        QCOMPARE(d.s.boxChanged(c.box, c.typed), c.shown);
        const bool min = c.box == Box::FrequenzMin;
        QCOMPARE(min ? d.s.meter.FrequenzMin : d.s.meter.FrequenzMax, c.hz);
        QCOMPARE(d.b.shown(min ? "lblFrequenzminNeu" : "lblFrequenzmaxNeu"), QString::number(c.hz));
        QCOMPARE(d.b.shown(min ? "lblNDFrequenzmin" : "lblNDFrequenzmax"), QString::number(c.hz));
        QCOMPARE(d.b.dialogs.texts(), c.refused ? QStringList{"Text 40"} : QStringList());
        QCOMPARE(d.s.display.selection("regkor2"), c.refused ? 2 : 1);
        if (c.refused) QCOMPARE(d.b.dialogs.shownMessages[0].title, QStringLiteral("Text 42"));
    }

    void a_pulse_value_is_taken_per_hour_and_zero_clears_it_data() {
        QTest::addColumn<TimeBase>("c");
        QTest::newRow("kg/h") << TimeBase{{"kg/h", 1, "(-)", "Luft"}, "0.5", 0.5f, "kg/Puls"};
        QTest::newRow("kg/min") << TimeBase{{"kg/min", 60, "(-)", "Luft"}, "120", 2, "kg/Puls"};
        QTest::newRow("lb/sec") << TimeBase{
            {"lb/sec", 0.126, "(-)", "Luft"}, "36", 0.01f, "lb/Puls"};
        QTest::newRow("SCFS") << TimeBase{{"SCFS", 0.02, "(0 °C)", "Luft"}, "7200", 2, "Puls"};
        QTest::newRow("SCFH") << TimeBase{{"SCFH", 0.02, "(0 °C)", "Luft"}, "7200", 7200, "Puls"};
    }
    void a_pulse_value_is_taken_per_hour_and_zero_clears_it() {
        QFETCH(TimeBase, c);
        DigitalBench d(c.unit);
        d.s.chooseDigital(2);
        d.s.boxChanged(Box::ImpWert, c.typed);
        QCOMPARE(d.s.meter.Impulswert, c.perHour);
        QCOMPARE(d.b.shown("lblKonfImpWertNeu"), c.typed);
        QCOMPARE(d.b.shown("lblinfo_39"), c.pulseUnit);
        QCOMPARE(d.b.shown("frmND.lblinfo_17"), c.pulseUnit);
        d.s.boxChanged(Box::ImpWert, "0");
        QCOMPARE(d.b.shown("lblKonfImpWertNeu"), QString());
    }

    // The divisor keeps eight fractional bits (Digitalflags bit 2) while they fit in 32 bits.
    void a_pulse_value_gives_the_meters_divisor_data() {
        QTest::addColumn<Divider>("c");
        const float at150 = impulsbasis16(150);
        QTest::newRow("0.1 kg at 150 kg/h") << Divider{at150, "0.1", 614391, true, 0};
        QTest::newRow("1000 counts") << Divider{1, "1000", 256000, true, 0};
        QTest::newRow("2^24 - 1 counts") << Divider{1, "16777215", 4294967040u, true, 0};
        QTest::newRow("just above 2^24 counts") << Divider{1, "16777218", 16777218, false, 0};
        QTest::newRow("half a count") << Divider{1, "0.5", 0, false, 29};
        QTest::newRow("beyond 32 bits") << Divider{1, "5000000000", 0, false, 28};
    }
    void a_pulse_value_gives_the_meters_divisor() {
        QFETCH(Divider, c);
        DigitalBench d;
        d.s.chooseDigital(2);
        d.s.meter.Impulsbasis16 = c.base;
        d.s.meter.Impulsteiler = 12345;
        d.s.meter.Digitalflags = c.fraction ? 0x81 : 0x85;
        d.b.dialogs.shownMessages.clear();
        d.s.boxChanged(Box::ImpWert, c.typed);
        QCOMPARE(d.b.dialogs.texts(),
                 c.refusal ? QStringList{QStringLiteral("Text %1").arg(c.refusal)} : QStringList());
        if (c.refusal) QCOMPARE(d.b.dialogs.shownMessages[0].title, QStringLiteral("Text 30"));
        QCOMPARE(quint32(d.s.meter.Impulsteiler), c.refusal ? 12345u : c.divisor);
        QCOMPARE(d.s.meter.Digitalflags, c.fraction || c.refusal ? 0x85 : 0x81);
    }

    void pulse_duration_and_polarities_show_in_both_windows_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<int>("polarity");  // list entry: 0 plus, 1 minus
        QTest::newRow("50 ms, plus") << 50 << 0;
        QTest::newRow("200 ms, minus") << 200 << 1;
    }
    void pulse_duration_and_polarities_show_in_both_windows() {
        QFETCH(int, ms);
        QFETCH(int, polarity);
        DigitalBench d;
        d.s.pulseDurationMoved(ms);
        d.s.choosePulsePolarity(polarity);
        d.s.chooseSwitchPolarity(polarity);
        const bool plus = polarity == 0;
        QCOMPARE(d.s.meter.Impulsdauer, ms);
        QCOMPARE(d.b.shown("lblKonfImpDauerNeu"), QStringLiteral("%1 ms").arg(ms));
        QCOMPARE(d.b.shown("lblNDDauer"), QStringLiteral("%1 ms").arg(ms));
        QCOMPARE(d.s.meter.Polaritaet, plus ? "Plus" : "Minus");
        QCOMPARE(d.s.edit.SchaltPolaritaet, plus ? "Plus" : "Minus");
        QCOMPARE(d.visible("picKonfImpPolPlusNeu"), plus);
        QCOMPARE(d.visible("picKonfImpPolMinusNeu"), !plus);
        QCOMPARE(d.visible("PicKonfSchaltPolPlusNeu"), plus);
        QCOMPARE(d.visible("PicKonfSchaltPolMinusNeu"), !plus);
        QCOMPARE(d.b.shown("lblNDImpulsPol"), plus ? "Positiv" : "Negativ");
        QCOMPARE(d.b.shown("lblNDSchaltPol"), plus ? "Positiv" : "Negativ");
    }

    void cancelling_drops_the_kind_without_reading_the_meter_data() {
        QTest::addColumn<bool>("analogTicked");
        QTest::newRow("nothing else edited") << false;
        QTest::newRow("an analog option ticked") << true;
    }
    void cancelling_drops_the_kind_without_reading_the_meter() {
        QFETCH(bool, analogTicked);
        DigitalBench d;
        if (analogTicked) d.s.tickAnalog(2, true);
        d.s.chooseDigital(1);
        d.s.boxChanged(Box::FrequenzMax, "2000");
        d.s.display.setSelection("regkor2", 2);
        const int sent = d.b.sim.line.transcript.size();
        d.s.cancelDigital();
        for (int i = 0; i <= EditState::NoOutput; ++i)
            QCOMPARE(d.s.display.value(QStringLiteral("optDigital_%1").arg(i)), 0);
        QCOMPARE(d.s.display.selection("regkor2"), 0);
        QCOMPARE(d.s.display.enabled("mnusicher_0"), analogTicked);
        QCOMPARE(d.b.commands(sent), QStringList());
        QCOMPARE(d.s.meter.FrequenzMax, qint16(2000));
    }

    void hovering_an_editor_control_explains_it_data() {
        using A = hintTexts::Area;
        QTest::addColumn<Hint>("c");
        QTest::newRow("German full scale")
            << Hint{Language::German, A::AnalogOption, 1,
                    "Meßbereichsendwert einstellen (max. = Meßbereichsobergrenze)"};
        QTest::newRow("English damping")
            << Hint{Language::English, A::AnalogOption, 3, "signal damping (ms)"};
        QTest::newRow("the range limit has none") << Hint{Language::German, A::AnalogOption, 6, ""};
        QTest::newRow("German no output")
            << Hint{Language::German, A::DigitalOption, 4, "kein Digitalausgang"};
        QTest::newRow("French variable frequency")
            << Hint{Language::French, A::DigitalOption, 1,
                    "Configurer la sortie de fréquence variable (min = 1; max = 2500 Hz)"};
        QTest::newRow("English digital frame")
            << Hint{Language::English, A::DigitalFrame, -1,
                    "Change Configuration by choosing option boxes"};
    }
    void hovering_an_editor_control_explains_it() {
        QFETCH(Hint, c);
        Bench b;
        b.session.language = c.language;
        b.session.showHint(c.area, c.option);
        QCOMPARE(b.shown("SB1_1"), c.text);
    }
};

QTEST_GUILESS_MAIN(TstDigitalPage)
#include "tst_digital_page.moc"
