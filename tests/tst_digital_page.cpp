#include <QtTest>

#include "support/bench.h"

namespace {

// A started meter with a pulse output: full scale 150 kg/h, range limit 200 kg/h.
struct DigitalBench {
    DigitalBench() {
        b.start();
        b.dialogs.shownMessages.clear();
    }
    Bench b;
    Session& s = b.session;
    DigitalEditor& digital = b.features.digital;
};

struct Frequency {
    Box box;
    int overflow, hz;  // what the meter takes: the value rounded, or the limit
    QString typed, shown;
};
struct Pulse {
    QString unit, typed;
    float base;
    quint32 divisor;
    bool fraction;
    int refusal;
    QString pulseUnit = "kg/Puls";
};

}  // namespace

// Given the digital page, when the technician chooses an output kind and
// fills in its values, then they are checked, converted and shown.
class TstDigitalPage : public QObject {
    Q_OBJECT

private slots:
    // Each kind shows its inputs and device data frame until cancelled, which reads nothing.
    void a_chosen_kind_shows_only_its_inputs_until_cancelled_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("standard frequency") << 0 << "ListFrequenz raNDFrequenzstandard";
        QTest::newRow("variable frequency")
            << 1 << "txtFrequenzmin txtFrequenzmax raNDFrequenzvariabel";
        QTest::newRow("pulse") << 2 << "txtKonfImpWert hscKonfImpDauer ListKonfImpPol raNDImpuls";
        QTest::newRow("switch") << 3
                                << "txtKonfSchaltMin txtKonfSchaltMax ListkonfSchaltPol raNDSchalt";
        QTest::newRow("no output, to be saved as well") << 4 << "";
    }
    void a_chosen_kind_shows_only_its_inputs_until_cancelled() {
        QFETCH(int, kind);
        QFETCH(QString, shown);
        DigitalBench d;
        d.digital.chooseDigital((kind + 2) % 5);
        d.digital.chooseDigital(kind);
        for (int i = 0; i <= DigitalEdit::NoOutput; ++i)
            QCOMPARE(d.s.display.value(QStringLiteral("optDigital_%1").arg(i)) != 0, i == kind);
        for (const char* input :
             {"ListFrequenz", "txtFrequenzmin", "txtFrequenzmax", "txtKonfImpWert",
              "hscKonfImpDauer", "ListKonfImpPol", "txtKonfSchaltMin", "txtKonfSchaltMax",
              "ListkonfSchaltPol", "raNDFrequenzstandard", "raNDFrequenzvariabel", "raNDImpuls",
              "raNDSchalt"})
            QVERIFY2(d.s.display.visible(input) == shown.split(' ').contains(input), input);
        QVERIFY(d.s.display.enabled("mnusicher_0"));
        d.s.display.setSelection("regkor2", 2);
        const int sent = d.b.sim.line.transcript.size();
        d.digital.cancelDigital();
        for (int i = 0; i <= DigitalEdit::NoOutput; ++i)
            QCOMPARE(d.s.display.value(QStringLiteral("optDigital_%1").arg(i)), 0);
        QVERIFY(!d.s.display.enabled("mnusicher_0"));
        QCOMPARE(d.s.display.selection("regkor2"), 0);
        QCOMPARE(d.b.commands(sent), QStringList());
    }

    // The variable frequency takes no range; an overflow needs 10 % above the highest.
    void a_frequency_stays_below_the_outputs_limit_data() {
        QTest::addColumn<Frequency>("c");
        QTest::newRow("2500 Hz") << Frequency{Box::FrequenzMax, 0, 2500, "2500", "2500"};
        QTest::newRow("lowest 2501 Hz") << Frequency{Box::FrequenzMin, 0, 2500, "2501", "2500"};
        QTest::newRow("lowest, rounded") << Frequency{Box::FrequenzMin, 0, 13, "12.6", "12.6"};
        QTest::newRow("overflow, 2272 Hz") << Frequency{Box::FrequenzMax, 1, 2272, "2272", "2272"};
        QTest::newRow("overflow, 2273 Hz") << Frequency{Box::FrequenzMax, 1, 2272, "2273", "2272"};
    }
    void a_frequency_stays_below_the_outputs_limit() {
        QFETCH(Frequency, c);
        DigitalBench d;
        d.s.meter.Ueberlauf = c.overflow;
        d.digital.chooseDigital(1);
        QCOMPARE(d.s.meter.Frequenzbereich, 0);
        d.s.display.setSelection("regkor2", 1);
        QCOMPARE(d.digital.boxChanged(c.box, c.typed), c.shown);
        const bool min = c.box == Box::FrequenzMin, refused = c.shown != c.typed;
        QCOMPARE(min ? d.s.meter.FrequenzMin : d.s.meter.FrequenzMax, c.hz);
        QCOMPARE(d.b.shown(min ? "lblNDFrequenzmin" : "lblNDFrequenzmax"), QString::number(c.hz));
        QCOMPARE(d.b.dialogs.texts(), QStringList(refused, "Text 40"));
        QCOMPARE(d.s.display.selection("regkor2"), refused ? 2 : 1);
    }

    // Typed per the unit's time base and kept per hour, a pulse value gives a divisor with eight
    // fractional bits (Digitalflags bit 2) while they fit in 32 bits. Zero clears the new value.
    void a_pulse_value_gives_the_meters_divisor_data() {
        QTest::addColumn<Pulse>("c");
        QTest::newRow("lb/min") << Pulse{"lb/min", "7200", 1, 30720, true, 0, "lb/Puls"};
        QTest::newRow("SCFS") << Pulse{"SCFS", "7200", 1, 512, true, 0, "Puls"};
        QTest::newRow("0.1 kg at 150") << Pulse{"kg/h", "0.1", impulsbasis16(150), 614391, true, 0};
        QTest::newRow("2^24 counts") << Pulse{"kg/h", "16777216", 1, 4294967295u, true, 0};
        QTest::newRow("just above 2^24 counts") << Pulse{"kg/h", "16777218", 1, 16777218, false, 0};
        QTest::newRow("half a count") << Pulse{"kg/h", "0.5", 1, 12345, false, 29};
        QTest::newRow("beyond 32 bits") << Pulse{"kg/h", "5000000000", 1, 12345, false, 28};
    }
    void a_pulse_value_gives_the_meters_divisor() {
        QFETCH(Pulse, c);
        DigitalBench d;
        d.s.settings.unit.Einheit = c.unit;
        d.digital.chooseDigital(2);
        d.s.meter.Impulsbasis16 = c.base;
        d.s.meter.Impulsteiler = 12345;
        d.s.meter.Digitalflags = c.fraction ? 0x81 : 0x85;
        d.digital.boxChanged(Box::ImpWert, c.typed);
        QCOMPARE(d.b.dialogs.texts(),
                 QStringList(c.refusal > 0, QStringLiteral("Text %1").arg(c.refusal)));
        QCOMPARE(quint32(d.s.meter.Impulsteiler), c.divisor);
        QCOMPARE(d.s.meter.Digitalflags, c.fraction || c.refusal ? 0x85 : 0x81);
        QCOMPARE(d.b.shown("frmND.lblinfo_17"), c.pulseUnit);
        QCOMPARE(d.b.shown("lblNDWertigkeit").isEmpty(), c.refusal > 0);
        d.digital.boxChanged(Box::ImpWert, "0");
        QCOMPARE(d.b.shown("lblKonfImpWertNeu"), QString());
    }
};

QTEST_GUILESS_MAIN(TstDigitalPage)
#include "tst_digital_page.moc"
