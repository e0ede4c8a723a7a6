#include <QtTest>

#include "session/show_measurement.h"
#include "support/bench.h"

namespace {

struct OutputConfig {
    int kind, range;  // Ausgangsart and Analogbereich
};
const OutputConfig U05{0x02, 0x01}, U010{0x02, 0x02}, I020{0x01, 0x04}, I420{0x01, 0x08};

MeterParameters meter(float mew, OutputConfig a, int errorBit, int overflow = 0) {
    MeterParameters p;
    p.MEW = mew;
    p.Ausgangsart = a.kind;
    p.Analogbereich = a.range | (errorBit >= 0 ? 1 << (4 + errorBit) : 0);
    p.UeberlaufAktiv = overflow;
    return p;
}

}  // namespace

Q_DECLARE_METATYPE(MeterParameters)

// Given a counts reply and the meter's configuration, the live values show as read off the meter.
class TstMesswertAnzeigen : public QObject {
    Q_OBJECT

    LiveValues w;
    DisplayModel v;

    void show(int counts, const MeterParameters& p) {
        MesswertAnzeigen(quint8(counts >> 8), quint8(counts & 0xFF), w, p, v);
    }

private slots:
    void init() {
        w = LiveValues{};
        v = DisplayModel{};
        QLocale::setDefault(QLocale::c());
    }

    // From 65533 counts on the meter is at full scale: the values turn red, the gauge drops.
    void the_measured_value_reads_over_two_labels_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<MeterParameters>("meter");
        QTest::addColumn<int>("counts");
        QTest::addColumn<float>("value");
        QTest::addColumn<QStringList>("shown");  // lblAktMW, lblAktMW1 and lblANAOUT1
        QTest::addColumn<int>("gauge");
        const auto row = [](const char* name, int behaviour, float mew, int overflow, int counts,
                            float value, const QStringList& shown, int gauge,
                            const QLocale& locale = QLocale::c()) {
            QTest::newRow(name) << locale << meter(mew, U05, behaviour, overflow) << counts << value
                                << shown << gauge;
        };
        row("half of 100", -1, 100, 0, 32768, 50.0008f, {"5", "0.00", "2.50"}, 50);
        row("zero", -1, 100, 0, 0, 0, {"", "0", "0"}, 0);
        row("below 10", -1, 100, 0, 5000, 7.6295f, {"", "7.63", "0.38"}, 8);
        row("52.3456", -1, 100, 0, 34305, 52.3457f, {"5", "2.35", "2.62"}, 52);
        row("above 100", -1, 200, 0, 49919, 152.3445f, {"15", "2.3", "3.81"}, 76);
        row("above 1000", -1, 2000, 0, 40000, 1220.7156f, {"12", "20.7", "3.05"}, 61);
        row("overflow, 110 %", -1, 100, 1, 32768, 55.0008f, {"5", "5.00", "2.75"}, 55);
        row("full at 65533", 0, 100, 0, 65533, 100, {"> 100", "", "0"}, 0);
        row("full at 65534", 0, 100, 0, 65534, 100, {"> 100", "", "0"}, 0);
        row("full at 65535", 0, 100, 0, 65535, 100, {"> 100", "", "0"}, 0);
        row("full with overflow", 0, 100, 1, 65535, 110, {"> 110", "", "0"}, 0);
        // "up" leaves a voltage output unchanged, so both numbers stay.
        row("full without error value", 3, 100, 0, 65535, 100, {"10", "0.0", "5.00"}, 0);
        row("German", -1, 100, 0, 32768, 50.0008f, {"5", "0,00", "2,50"}, 50, QLocale::German);
    }
    void the_measured_value_reads_over_two_labels() {
        QFETCH(QLocale, locale);
        QFETCH(MeterParameters, meter);
        QFETCH(int, counts);
        QFETCH(float, value);
        QFETCH(QStringList, shown);
        QFETCH(int, gauge);
        QLocale::setDefault(locale);
        show(counts, meter);
        const bool full = counts >= 65533;
        QCOMPARE(w.Counts, full ? 65535 : counts);
        QCOMPARE(w.Messwert, value);
        QCOMPARE((QStringList{v.text("lblAktMW"), v.text("lblAktMW1"), v.text("lblANAOUT1")}),
                 shown);
        QCOMPARE(v.value("AnzAnalog"), gauge);
        if (!full) QCOMPARE(v.background("lblAktMW1"), color::SystemTooltip);
        for (const char* label : {"lblAktMW", "lblANAOUT", "lblANAOUT1"})
            QCOMPARE(v.background(label), full ? color::Red : color::SystemTooltip);
    }

    void the_analog_output_by_kind_range_and_error_behaviour_data() {
        QTest::addColumn<MeterParameters>("meter");
        QTest::addColumn<int>("counts");
        QTest::addColumn<QStringList>("shown");  // lblANAOUT, lblANAOUT1 and the unit
        const auto row = [](const char* name, OutputConfig a, int behaviour, int overflow,
                            int counts, const char* front, const char* back) {
            QTest::newRow(name) << meter(100, a, behaviour, overflow) << counts
                                << QStringList{front, back, a.kind == 0x02 ? "Volt" : "mA"};
        };
        row("0-10 V, 75 %", U010, 0, 0, 49151, "", "7.50");
        row("0-20 mA, 3/4", I020, 0, 0, 49151, "1", "5.00");
        row("4-20 mA, zero flow", I420, 0, 0, 0, "", "4.00");
        row("4-20 mA half", I420, 0, 0, 32768, "1", "2.00");
        row("full, min, 4-20", I420, 0, 0, 65535, "", "4");
        row("full, max, 0-5", U05, 1, 0, 65535, "", "5");
        row("full, max, 0-5, overflow", U05, 1, 1, 65535, "", "5.5");
        row("full, max, 0-10, overflow", U010, 1, 1, 65535, "", "11");
        row("full, max, 0-20", I020, 1, 0, 65535, "", "20");
        row("full, max, 4-20, overflow", I420, 1, 1, 65535, "", "22");
        row("full, up, 0-20", I020, 3, 0, 65535, "", "> 22");
        row("full, down, 4-20", I420, 2, 0, 65535, "", "< 3.5");
        row("full, down, 0-20 unchanged", I020, 2, 0, 65535, "2", "0.00");
    }
    void the_analog_output_by_kind_range_and_error_behaviour() {
        QFETCH(MeterParameters, meter);
        QFETCH(int, counts);
        QFETCH(QStringList, shown);
        show(counts, meter);
        QCOMPARE((QStringList{v.text("lblANAOUT"), v.text("lblANAOUT1"), v.text("lblinfo_50")}),
                 shown);
    }

    void the_gauges_follow_the_output_and_stay_finite_without_a_range() {
        MeterParameters p = meter(100, {0x01 | 0x04 | 0x10, 0x08}, 0);  // another digital output
        show(16384, p);
        QVERIFY(!v.get("AnzSignal", Aspect::Value).isValid());
        p.Ausgangsart = 0x01 | 0x40;  // the switching output
        show(16384, p);
        QCOMPARE(v.value("AnzSignal"), 25);
        show(30000, meter(0, I420, 0));
        QCOMPARE(w.Messwert, 0.0f);
        QCOMPARE(v.value("AnzAnalog"), 0);
    }

    void raw_counts_go_to_the_counts_window_and_into_the_range() {
        for (int c : {500, 100})
            show(c, meter(100, U05, 0));
        w.CountsRequestActive = true;
        show(900, meter(100, U05, 0));
        QCOMPARE(v.text("frmCounts.lblCountsanf"), QStringLiteral("900"));
        QCOMPARE(v.text("lblAktMW1"), QStringLiteral("0.15"));  // still the value of 100 counts
        QCOMPARE(w.CountsMin, 100);
        QCOMPARE(w.CountsMax, 900);
    }

    void undervoltage_colours_the_values_red_and_back() {
        Bench b;
        b.start();
        b.sim.meter.errorCode = 17;
        b.clock.advance(0.5);  // the status query runs every fifth polling cycle
        QCOMPARE(b.session.display.textColor("lblAktMW"), color::Red);
        QCOMPARE(b.session.display.textColor("lblANAOUT"), color::Red);
        QCOMPARE(b.shown("SB1_1"), "Unterspannung aktiv! Ausgänge sind deaktiviert.");
        QCOMPARE(b.shown("lblANAOUT1"), QStringLiteral("0"));
        b.sim.meter.errorCode = 0;
        b.clock.advance(0.5);
        QCOMPARE(b.session.display.textColor("lblAktMW"), color::SystemTooltipText);
        QCOMPARE(b.session.display.textColor("lblANAOUT"), color::SystemTooltipText);
    }
};

QTEST_GUILESS_MAIN(TstMesswertAnzeigen)
#include "tst_messwert_anzeigen.moc"
