#include <QtTest>
#include <cmath>

#include "session/show_measurement.h"
#include "support/bench.h"
#include "support/property.h"

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

// At full scale the error behaviour gives the analog output a value of its own:
// "min" and "max" always, "up" on current outputs, "down" on 4 - 20 mA.
bool errorValueShown(OutputConfig a, int behaviour) {
    return behaviour == 0 || behaviour == 1 || (behaviour == 3 && a.kind == 0x01) ||
           (behaviour == 2 && a.range == 0x08);
}

// The label `lead` and the one beside it read, joined, as `value` in the system's number
// format: "0" for none, otherwise rounded to `places` decimals, the leading digits (none
// below 10, one below 100, two from 100 up) in the first label.
void readsAs(const DisplayModel& v, const QString& lead, double value, int places) {
    const QString first = v.text(lead), joined = first + v.text(lead + QLatin1Char('1'));
    RC_ASSERT(value != 0 || joined == QStringLiteral("0"));
    if (value == 0) return;
    bool ok = false;
    const double read = QLocale().toDouble(joined, &ok);
    RC_ASSERT(ok);
    RC_ASSERT(joined.size() - joined.indexOf(QLocale().decimalPoint()) - 1 == places);
    RC_ASSERT(std::abs(read - value) <= 0.5 * std::pow(10.0, -places) * (1 + 1e-9));
    RC_ASSERT(first.size() == (value < 10 ? 0 : value < 100 ? 1 : 2));
}

}  // namespace

Q_DECLARE_METATYPE(MeterParameters)

// Given a counts reply and the meter's configuration, the live values show as read off the meter;
// in the counts window, a run of readings is averaged.
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

    // Any full scale, counts, overflow, output and error behaviour: the measured value reads
    // over its two labels ("0.00" below 100, "0.0" from 100 up), the analog output over its
    // two ("0.00"), the gauge follows; from 65533 counts on the meter is at full scale, the
    // labels turn red, the gauge drops and, where the error behaviour gives the output a
    // value, the measured value reads "> full scale".
    void every_reading_reads_as_its_value_over_two_labels() {
        QCHECK_PROPERTY("the joined labels read as the value", [] {
            QLocale::setDefault(*rc::gen::element(QLocale::c(), QLocale(QLocale::German)));
            const float mew =
                float(*rc::gen::inRange(1, 10001)) * *rc::gen::element(0.001f, 0.01f, 0.1f, 1.0f);
            const OutputConfig a = *rc::gen::element(U05, U010, I020, I420);
            const int behaviour = *rc::gen::inRange(-1, 4), overflow = *rc::gen::inRange(0, 2);
            const int counts = *rc::gen::oneOf(rc::gen::inRange(0, 65536),
                                               rc::gen::element(0, 65532, 65533, 65534));
            LiveValues w;
            DisplayModel v;
            MesswertAnzeigen(quint8(counts >> 8), quint8(counts & 0xFF), w,
                             meter(mew, a, behaviour, overflow), v);
            const float f = overflow ? mew + mew * 10 / 100 : mew;
            RC_ASSERT(w.Counts == (counts >= 65533 ? 65535 : counts));
            RC_ASSERT(std::abs(w.Messwert - double(f) * w.Counts / 65535) <= 5e-5 + 1e-6 * f);
            const bool full = w.Messwert >= f, valued = full && errorValueShown(a, behaviour);
            for (const char* label : {"lblAktMW", "lblANAOUT", "lblANAOUT1"})
                RC_ASSERT(v.background(label) == (full ? color::Red : color::SystemTooltip));
            RC_ASSERT(v.value("AnzAnalog") ==
                      (full ? 0 : qRound(w.Messwert * (overflow ? 110.0 : 100.0) / f)));
            if (valued) {
                RC_ASSERT(v.text("lblAktMW").startsWith(QStringLiteral("> ")));
                RC_ASSERT(QLocale().toFloat(v.text("lblAktMW").mid(2)) == f);
                RC_ASSERT(v.text("lblAktMW1").isEmpty());
                return;
            }
            readsAs(v, QStringLiteral("lblAktMW"), w.Messwert, w.Messwert < 100 ? 2 : 1);
            const double output = a.kind == 0x02 ? w.Messwert * (a.range == 0x01 ? 5.0 : 10.0) / mew
                                  : a.range == 0x04 ? w.Messwert * 20.0 / mew
                                                    : 4 + w.Messwert * 16.0 / mew;
            readsAs(v, QStringLiteral("lblANAOUT"), output > 0 ? float(output) : 0.0f, 2);
        });
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
        row("full, min, 4-20", I420, 0, 0, 65535, "", "4");
        row("full, max, 0-5", U05, 1, 0, 65535, "", "5");
        row("full, max, 0-5, overflow", U05, 1, 1, 65535, "", "5.5");
        row("full, max, 0-10, overflow", U010, 1, 1, 65535, "", "11");
        row("full, max, 0-20", I020, 1, 0, 65535, "", "20");
        row("full, max, 4-20, overflow", I420, 1, 1, 65535, "", "22");
        row("full, up, 0-20", I020, 3, 0, 65535, "", "> 22");
        row("full, down, 4-20", I420, 2, 0, 65535, "", "< 3.5");
    }
    void the_analog_output_by_kind_range_and_error_behaviour() {
        QFETCH(MeterParameters, meter);
        QFETCH(int, counts);
        QFETCH(QStringList, shown);
        show(counts, meter);
        QCOMPARE((QStringList{v.text("lblANAOUT"), v.text("lblANAOUT1"), v.text("lblinfo_50")}),
                 shown);
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

    // While a write or a connection check has polling off, neither half of a value keeps its
    // digits: both values read as paused, and the reading after it shows them again.
    void the_values_pause_while_polling_is_off_data() {
        QTest::addColumn<QString>("operation");
        for (const char* op : {"configuration write", "support-point write", "connection check"})
            QTest::newRow(op) << QString::fromLatin1(op);
    }
    void the_values_pause_while_polling_is_off() {
        QFETCH(QString, operation);
        Bench b;
        b.sim.meter.profile = {FlowProfile::Kind::Constant, 98.7};
        b.start();
        b.clock.advance(0.5);
        const auto shown = [&b] {
            return b.shown("lblAktMW") + '|' + b.shown("lblAktMW1") + '|' + b.shown("lblANAOUT") +
                   '|' + b.shown("lblANAOUT1");
        };
        const QString before = shown();
        QString meanwhile;
        b.clock.schedule(b.clock.now() + 1.5, [&] { meanwhile = shown(); });
        if (operation == "configuration write") {
            b.features.deviceData.loadConfig(b.features.deviceData.currentConfig());
            b.features.write.KonfigurationSchreiben();
        }
        if (operation == "support-point write") b.features.points.writeSupportPoints();
        if (operation == "connection check") b.session.connectMeter();
        b.clock.advance(5.0);
        QCOMPARE(meanwhile, QStringLiteral("|pausiert||pausiert"));
        QCOMPARE(shown(), before);
    }

    // The counts shown when the run starts open its range; the reading after the last one summed
    // ends the run and enters the range, not the sum. Halves round to even.
    void a_run_shows_the_mean_and_the_range_after_its_last_reading_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<QList<int>>("run");
        QTest::addColumn<int>("after");
        QTest::addColumn<QStringList>("results");  // mean, min, its distance, max, its distance
        QTest::newRow("a half rounded down")
            << 100 << QList<int>{100, 101} << 102 << QStringList{"100", "100", "0", "102", "2"};
        QTest::newRow("a half rounded up")
            << 101 << QList<int>{101, 102} << 50 << QStringList{"102", "50", "-52", "102", "0"};
    }
    void a_run_shows_the_mean_and_the_range_after_its_last_reading() {
        QFETCH(int, before);
        QFETCH(QList<int>, run);
        QFETCH(int, after);
        Bench b;
        Session& s = b.session;
        b.start();
        b.features.counts.openCountsWindow();
        b.features.counts.requestCounts(true);
        const auto reading = [&](int counts) {  // a counts reply as the poll hands it on
            MesswertAnzeigen(quint8(counts >> 8), quint8(counts & 0xFF), s.live, s.meter,
                             s.display);
        };
        reading(before);
        b.features.counts.readingsTyped(QString::number(run.size()));
        b.features.counts.startAveraging(true);
        QCOMPARE(s.display.get("frmCounts.AnzeigeAnzW", Aspect::Maximum).toInt(), run.size());
        for (int i = 0; i < run.size(); ++i) {
            reading(run[i]);
            QCOMPARE(s.display.value("frmCounts.AnzeigeAnzW"), i + 1);
            QCOMPARE(s.display.text("frmCounts.lblMittelwert"), QString());
        }
        reading(after);
        QCOMPARE(s.display.text("frmCounts.lblCountsanf"), QString::number(after));
        QStringList shown;
        for (const char* l : {"Mittelwert", "MinWert", "MinwertDiff", "MaxWert", "MaxwertDiff"})
            shown << s.display.text(QString("frmCounts.lbl") + l);
        QTEST(shown, "results");
        QVERIFY(!s.display.get("frmCounts.chkMittelwert", Aspect::Value).toBool());
        QVERIFY(!s.live.averaging);
    }
};

QTEST_GUILESS_MAIN(TstMesswertAnzeigen)
#include "tst_messwert_anzeigen.moc"
