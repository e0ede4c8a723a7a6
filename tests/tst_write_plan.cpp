#include <QtTest>

#include "config/write_plan.h"

namespace {

// A meter with a 4-20 mA output (error: min) and a pulse output, 150 kg/h full scale.
MeterParameters meter() {
    MeterParameters m;
    m.Ausgangsart = 0x15, m.Analogbereich = 0x18, m.Digitalflags = 0x85;
    m.MEW = 150, m.MOG = 200, m.Ueberlauf = 0, m.Polaritaet = "Plus";
    m.Impulswert = 0.1f, m.Impulsdauer = 50, m.Impulsteiler = 614390;
    m.FrequenzMin = 10, m.FrequenzMax = 1000, m.SchaltMin = 10, m.SchaltMax = 100;
    return m;
}

// The frames without their checksums, as hex.
QStringList hexFrames(const WritePlan& p) {
    QStringList l;
    for (const QByteArray& f : p.frames)
        l << QString::fromLatin1(f.chopped(1).toHex(' ')).toUpper();
    return l;
}

using Edit = std::function<void(MeterParameters&, EditState&)>;

}  // namespace

Q_DECLARE_METATYPE(Edit)

// Given the edited configuration, the write is planned as the meter's
// requests, in their order, before anything is sent.
class TstWritePlan : public QObject {
    Q_OBJECT

private slots:
    void the_requests_follow_the_edit_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QStringList>("frames");
        QTest::newRow("overflow caps the variable band at 2272 Hz")
            << Edit([](MeterParameters& m, EditState& e) {
                   e.digital.optDigital = 1, m.Ueberlauf = 1, m.FrequenzMax = 2400, m.MEW = 150;
               })
            << 1.0 << QStringList{"09 0D 08 E0", "08 00 09",    "08 02 84", "08 05 00",
                                  "09 0E 00 0A", "09 0D 08 E0", "08 06 05", "08 07 0A"};
        // The divisor follows, so the amount per pulse stays 0.1 kg.
        QTest::newRow("overflow limits an unchanged full scale to 90 % of MOG")
            << Edit([](MeterParameters& m, auto&) { m.Ueberlauf = 1, m.MEW = 190; }) << 1.0
            << QStringList{"0A 02 00 00 34 43", "0A 00 F8 CF 07 00", "08 02 85"};
        QTest::newRow("pulse of 256 ms is sent as 0") << Edit([](MeterParameters& m, EditState& e) {
            e.digital.optDigital = 2, m.Impulsdauer = 256, m.Impulswert = 100, m.MEW = 10;
        }) << 1.0 << QStringList{"08 00 15", "08 02 81", "08 04 00", "0A 00 DC 4E 25 02"};
        QTest::newRow("range 0 - 5 V, error up, creep and filter, overflow byte")
            << Edit([](MeterParameters& m, EditState& e) {
                   e.analog.chkKonfAnalog = {true, false, true, true, true, true, false};
                   e.analog.ListAnalogAus = 2, e.analog.ListKonfErr = 3,
                   e.analog.SchleichmengeNeu = 0.5f;
                   e.analog.Daempfungszeit = 1000, e.analog.FilterfaktorNeu = 65469,
                   m.Ueberlauf = 1;
                   m.MEW = 100;
               })
            << 60.0 << QStringList{"08 00 16",    "08 01 11", "0A 05 00 00 F0 41",
                                   "09 02 FF BD", "08 01 81", "0F 01 01 D4"};
        QTest::newRow("new full scale and MOG in kg/min")
            << Edit([](auto&, EditState& e) {
                   e.analog.chkKonfAnalog[1] = e.analog.chkKonfAnalog[6] = true,
                   e.analog.MEWNeu = 2;
               })
            << 60.0
            << QStringList{"0A 02 00 00 F0 42", "0A 00 41 1D BF 02", "08 02 85",
                           "0A 06 00 80 3B 46"};
    }
    void the_requests_follow_the_edit() {
        QFETCH(Edit, edit);
        QFETCH(double, factor);
        QFETCH(QStringList, frames);
        MeterParameters m = meter();
        EditState e;
        edit(m, e);
        const WritePlan p = planConfigurationWrite(meter(), m, e, factor);
        QVERIFY(!p.refused());
        QCOMPARE(hexFrames(p), frames);
    }

    // A refused write sends nothing at all, and says which value and why.
    void checks_run_before_anything_is_sent_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("title");
        const auto full = [](float v) {
            return Edit([v](auto&, EditState& e) {
                e.analog.chkKonfAnalog[1] = true, e.analog.MEWNeu = v;
            });
        };
        const auto mew = int(ConfigValue::MEW), pulse = int(ConfigValue::Impulswert);
        QTest::newRow("full scale below 1") << full(0.5f) << mew << 45 << 22;
        QTest::newRow("a full scale within MOG keeps the pulses in time")
            << full(199) << -1 << 0 << 0;
        QTest::newRow("pulses that cannot keep up") << Edit([](MeterParameters& m, EditState& e) {
            e.digital.optDigital = 2, m.Impulswert = 0.001f;
        }) << pulse << 43 << 44;
        QTest::newRow("switch above 1.1 MOG") << Edit([](MeterParameters& m, EditState& e) {
            e.digital.optDigital = 3, m.SchaltMax = 221;
        }) << int(ConfigValue::SchaltMax) << 26
                                              << 52;
        QTest::newRow("switch maximum below minimum") << Edit([](MeterParameters& m, EditState& e) {
            e.digital.optDigital = 3, m.SchaltMin = 50, m.SchaltMax = 40;
        }) << int(ConfigValue::SchaltMax) << 27 << 52;
        QTest::newRow("band upside down") << Edit([](MeterParameters& m, EditState& e) {
            e.digital.optDigital = 1, m.FrequenzMin = 1000;
        }) << int(ConfigValue::FrequenzMin)
                                          << 41 << 42;
    }
    void checks_run_before_anything_is_sent() {
        QFETCH(Edit, edit);
        QFETCH(int, value);
        QFETCH(int, text);
        QFETCH(int, title);
        MeterParameters m = meter();
        EditState e;
        e.analog.chkKonfAnalog[2] = true;  // a creep flow to write besides
        edit(m, e);
        const WritePlan p = planConfigurationWrite(meter(), m, e, 1.0);
        QCOMPARE(p.refused(), value >= 0);
        QCOMPARE(p.frames.isEmpty(), p.refused());
        if (!p.refused()) return;
        QCOMPARE(int(p.refusal.value), value);
        QCOMPARE(p.refusal.text, text);
        QCOMPARE(p.refusal.title, title);
        QVERIFY(!p.refusal.limit.isEmpty());
    }

    // The meter read back holds a flow as a single through the unit's factor,
    // and an amount per pulse as whole divisor steps: what rounding gives is
    // the value asked for, a step more is not.
    void the_comparison_tells_rounding_from_a_different_value_data() {
        QTest::addColumn<bool>("pulse");
        QTest::addColumn<double>("held");  // as a share of the value asked
        QTest::addColumn<bool>("differs");
        QTest::newRow("flow, one unit in the last place") << false << 1 + 1.2e-7 << false;
        QTest::newRow("flow, a ten-thousandth off") << false << 1 + 1e-4 << true;
        QTest::newRow("pulse, half a divisor step") << true << 1.005 << false;
        QTest::newRow("pulse, two divisor steps") << true << 1.02 << true;
    }
    void the_comparison_tells_rounding_from_a_different_value() {
        QFETCH(bool, pulse);
        QFETCH(double, held);
        QFETCH(bool, differs);
        WriteIntent w;
        MeterParameters m;
        (pulse ? w.divisor : w.analog[2]) = true;
        (pulse ? w.Impulswert : w.Schleichmenge) = 0.5f;
        (pulse ? m.Impulswert : m.Schleichmenge) = float(0.5 * held);
        m.Impulsbasis = 0.005f;  // one divisor step: a hundredth of the amount
        const QVector<Mismatch> found = mismatches(w, m);
        QCOMPARE(found.size(), differs ? 1 : 0);
        if (differs)
            QCOMPARE(found[0].value, pulse ? ConfigValue::Impulswert : ConfigValue::Schleichmenge);
    }
};

QTEST_GUILESS_MAIN(TstWritePlan)
#include "tst_write_plan.moc"
