#include <QLocale>
#include <QtTest>

#include "session/show_measurement.h"
#include "support/bench.h"

namespace {

// Ausgangsart and Analogbereich for each output kind and range.
struct OutputConfig {
    int kind;
    int range;
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

// Given a counts reply and the meter's configuration, the live values show
// the measured mass, the analog output and the gauges as the technician
// reads them off the meter.
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

    void the_measured_value_reads_over_two_labels_data() {
        QTest::addColumn<MeterParameters>("meter");
        QTest::addColumn<int>("counts");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("back");
        QTest::addColumn<int>("gauge");
        const auto row = [](const char* name, float mew, int overflow, int counts, float value,
                            const char* front, const char* back, int gauge) {
            QTest::newRow(name) << meter(mew, U05, -1, overflow) << counts << value << front << back
                                << gauge;
        };
        row("half of 100", 100, 0, 32768, 50.0008f, "5", "0.00", 50);
        row("zero", 100, 0, 0, 0, "", "0", 0);
        row("below 10", 100, 0, 5000, 7.6295f, "", "7.63", 8);
        row("52.3456", 100, 0, 34305, 52.3457f, "5", "2.35", 52);
        row("above 100", 200, 0, 49919, 152.3445f, "15", "2.3", 76);
        row("above 1000", 2000, 0, 40000, 1220.7156f, "12", "20.7", 61);
        row("overflow, range and gauge to 110 %", 100, 1, 32768, 55.0008f, "5", "5.00", 55);
    }
    void the_measured_value_reads_over_two_labels() {
        QFETCH(MeterParameters, meter);
        QFETCH(int, counts);
        QFETCH(float, value);
        QFETCH(QString, front);
        QFETCH(QString, back);
        QFETCH(int, gauge);
        show(counts, meter);
        QCOMPARE(w.Messwert, value);
        QCOMPARE(v.text("lblAktMW"), front);
        QCOMPARE(v.text("lblAktMW1"), back);
        QCOMPARE(v.background("lblAktMW"), color::SystemTooltip);
        QCOMPARE(v.background("lblAktMW1"), color::SystemTooltip);
        QCOMPARE(v.value("AnzAnalog"), gauge);
    }

    void full_scale_turns_the_values_red_data() {
        QTest::addColumn<MeterParameters>("meter");
        QTest::addColumn<int>("counts");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("back");
        const auto row = [](const char* name, int counts, int behaviour, int overflow, float value,
                            const char* front, const char* back) {
            QTest::newRow(name) << meter(100, U05, behaviour, overflow) << counts << value << front
                                << back;
        };
        row("65533", 65533, 0, 0, 100, "> 100", "");
        row("65534", 65534, 0, 0, 100, "> 100", "");
        row("65535", 65535, 0, 0, 100, "> 100", "");
        row("overflow", 65535, 0, 1, 110, "> 110", "");
        // "up" leaves a voltage output unchanged, so the number stays.
        row("no error value", 65535, 3, 0, 100, "10", "0.0");
    }
    void full_scale_turns_the_values_red() {
        QFETCH(MeterParameters, meter);
        QFETCH(int, counts);
        QFETCH(float, value);
        QFETCH(QString, front);
        QFETCH(QString, back);
        show(counts, meter);
        QCOMPARE(w.Counts, 65535);
        QCOMPARE(w.Messwert, value);
        QCOMPARE(v.text("lblAktMW"), front);
        QCOMPARE(v.text("lblAktMW1"), back);
        QCOMPARE(v.value("AnzAnalog"), 0);
        for (const char* label : {"lblAktMW", "lblANAOUT", "lblANAOUT1"})
            QCOMPARE(v.background(label), color::Red);
    }

    void the_analog_output_by_kind_range_and_error_behaviour_data() {
        QTest::addColumn<MeterParameters>("meter");
        QTest::addColumn<int>("counts");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("unit");
        const auto row = [](const char* name, OutputConfig a, int behaviour, int overflow,
                            int counts, const char* front, const char* back) {
            QTest::newRow(name) << meter(100, a, behaviour, overflow) << counts << front << back
                                << (a.kind == 0x02 ? "Volt" : "mA");
        };
        row("0-5 V half", U05, 0, 0, 32768, "", "2.50");
        row("0-10 V, 75 %", U010, 0, 0, 49151, "", "7.50");
        row("0-20 mA, 3/4", I020, 0, 0, 49151, "1", "5.00");
        row("4-20 mA, zero flow", I420, 0, 0, 0, "", "4.00");
        row("4-20 mA half", I420, 0, 0, 32768, "1", "2.00");
        row("0-5 V zero", U05, 0, 0, 0, "", "0");
        row("full, min, 4-20", I420, 0, 0, 65535, "", "4");
        row("full, min, 0-10", U010, 0, 0, 65535, "", "0");
        row("full, max, 0-5", U05, 1, 0, 65535, "", "5");
        row("full, max, 0-5, overflow", U05, 1, 1, 65535, "", "5.5");
        row("full, max, 0-10, overflow", U010, 1, 1, 65535, "", "11");
        row("full, max, 0-20", I020, 1, 0, 65535, "", "20");
        row("full, max, 4-20, overflow", I420, 1, 1, 65535, "", "22");
        row("full, up, 0-20", I020, 3, 0, 65535, "", "> 22");
        row("full, up, 0-5 unchanged", U05, 3, 0, 65535, "", "5.00");
        row("full, down, 4-20", I420, 2, 0, 65535, "", "< 3.5");
        row("full, down, 0-20 unchanged", I020, 2, 0, 65535, "2", "0.00");
    }
    void the_analog_output_by_kind_range_and_error_behaviour() {
        QFETCH(MeterParameters, meter);
        QFETCH(int, counts);
        QFETCH(QString, front);
        QFETCH(QString, back);
        QFETCH(QString, unit);
        show(counts, meter);
        QCOMPARE(v.text("lblANAOUT"), front);
        QCOMPARE(v.text("lblANAOUT1"), back);
        QCOMPARE(v.text("lblinfo_50"), unit);
    }

    void the_switching_output_fills_its_gauge() {
        MeterParameters p = meter(100, I420, 0);
        p.Ausgangsart |= 0x40;
        show(16384, p);
        QCOMPARE(v.value("AnzSignal"), 25);
        v = DisplayModel{};
        p.Ausgangsart = 0x01 | 0x04 | 0x10;  // another digital output
        show(16384, p);
        QVERIFY(!v.get("AnzSignal", Aspect::Value).isValid());
    }

    void a_german_desktop_shows_commas() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        show(32768, meter(100, U05, -1));
        QCOMPARE(v.text("lblAktMW1"), QStringLiteral("0,00"));
        QCOMPARE(v.text("lblANAOUT1"), QStringLiteral("2,50"));
    }

    void counts_keep_their_minimum_and_maximum() {
        for (int c : {500, 100, 900})
            show(c, meter(100, U05, 0));
        QCOMPARE(w.CountsMin, 100);
        QCOMPARE(w.CountsMax, 900);
    }

    void without_a_range_everything_stays_finite() {
        show(30000, meter(0, I420, 0));
        QCOMPARE(w.Messwert, 0.0f);
        QCOMPARE(v.value("AnzAnalog"), 0);
    }

    void raw_counts_go_to_the_counts_window() {
        w.CountsRequestActive = true;
        show(1234, meter(100, U05, 0));
        QCOMPARE(v.text("lblCountsanf"), QStringLiteral("1234"));
        QCOMPARE(v.text("lblAktMW1"), QString());
    }

    // The status query runs every fifth polling cycle.
    void undervoltage_colours_the_values_red_and_back() {
        Bench b;
        b.start();
        b.sim.meter.errorCode = 17;
        b.clock.advance(0.5);
        QVERIFY(b.session.live.Unterspannung);
        const DisplayModel& d = b.session.display;
        QCOMPARE(d.textColor("lblAktMW"), color::Red);
        QCOMPARE(d.textColor("lblANAOUT"), color::Red);
        QCOMPARE(b.shown("SB1_1"),
                 QStringLiteral("Unterspannung aktiv! Ausgänge sind deaktiviert."));
        QCOMPARE(b.shown("lblANAOUT1"), QStringLiteral("0"));
        b.sim.meter.errorCode = 0;
        b.clock.advance(0.5);
        QVERIFY(!b.session.live.Unterspannung);
        QCOMPARE(d.textColor("lblAktMW"), color::SystemTooltipText);
        QCOMPARE(d.textColor("lblANAOUT"), color::SystemTooltipText);
    }
};

QTEST_GUILESS_MAIN(TstMesswertAnzeigen)
#include "tst_messwert_anzeigen.moc"
