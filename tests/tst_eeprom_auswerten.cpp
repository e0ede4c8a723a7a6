#include <QtTest>

#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "support/bench.h"

namespace {

// The standard meter's image with some bytes changed.
QByteArray image(std::initializer_list<std::pair<int, QByteArray>> changes) {
    QByteArray eeprom = images::standard();
    for (const auto& [a, bytes] : changes)
        eeprom.replace(a, bytes.size(), bytes);
    return eeprom;
}

}  // namespace

// Given an EEPROM image, when it is decoded, then the parameter record holds
// what the meter holds and the window shows the meter's overflow state.
class TstEEPromAuswerten : public QObject {
    Q_OBJECT

    MeterParameters par;
    Unit unit;

    // Decodes the image as the meter sends it.
    bool decode(const QByteArray& eeprom) {
        return EEPromAuswerten(replyWith(eeprom), par, unit).ok();
    }

private slots:
    void init() {
        par = MeterParameters{};
        unit = Unit{};
    }

    void the_standard_meter_is_decoded_completely() {
        const DecodeResult r = EEPromAuswerten(replyWith(images::standard()), par, unit);
        QVERIFY(r.ok() && r.overflowRead);
        QCOMPARE(par.Ausgangsart, 0x15);
        QCOMPARE(par.Analogbereich, 0x18);
        QCOMPARE(par.Digitalflags, 0x85);
        QCOMPARE(par.Polaritaet, QStringLiteral("Plus"));
        QCOMPARE(par.StpAnzahl, 12);
        QCOMPARE(par.StpCounts[1], 1000);
        QCOMPARE(par.StpFlow[12], 200.0f);
        QCOMPARE(par.StpCounts[13], 0);
        QCOMPARE(par.Impulsteiler, 614390);
        QCOMPARE(par.Impulsdauer, 50);
        QCOMPARE(par.FrequenzMin, qint16(10));
        QCOMPARE(par.FrequenzMax, qint16(1000));
        QCOMPARE(par.Frequenzteiler, 10);
        QCOMPARE(par.Filterfaktor, 62000);
        QCOMPARE(par.MEW, 150.0f);
        QCOMPARE(par.MOG, 200.0f);
        QCOMPARE(par.SchaltMax, 120.0f);
        QCOMPARE(par.Schleichmenge, 0.5f);
        QCOMPARE(par.AnalogTrim[1], 44);     // word at 250
        QCOMPARE(par.AnalogTrim[4], 10895);  // word at 262
        QCOMPARE(par.AnalogTrim[5], 29193);  // word at 252
        QCOMPARE(par.AnalogTrim[8], 41810);  // word at 266
        QCOMPARE(par.DacReferenz[2], 9.9999f);
        QCOMPARE(par.DacCountsU[3], 60590);
        QCOMPARE(par.DacAusgangI[2], 1.010001f);
        QCOMPARE(par.Firmwareversion, QStringLiteral("V3.1 R03"));
        QCOMPARE(par.Fertigungsnummer, QStringLiteral("QO24031507"));
        QCOMPARE(par.Impulswert, 0.1f);
    }

    void special_configuration_values_data() {
        QTest::addColumn<QByteArray>("eeprom");
        QTest::addColumn<int>("pulseDuration");
        QTest::addColumn<int>("filterFactor");
        QTest::addColumn<float>("mew");
        QTest::addColumn<float>("pulseValue");
        QTest::newRow("duration 0 is 256")
            << image({{address::Impulsdauer, hex("00")}}) << 256 << 62000 << 150.0f << 0.1f;
        QTest::newRow("filter 0 is 62000")
            << image({{address::Filterfaktor, hex("00 00")}}) << 50 << 62000 << 150.0f << 0.1f;
        QTest::newRow("erased filter")
            << image({{address::Filterfaktor, hex("FF FF")}}) << 50 << 65535 << 150.0f << 0.1f;
        QTest::newRow("MEW 00 00 7A 44")
            << image({{address::MEW, hex("00 00 7A 44")}}) << 50 << 62000 << 1000.0f << 0.6666667f;
        QTest::newRow("divider 24 without fractional bits")
            << image({{address::Digitalflags, hex("81")},
                      {address::Impulsteiler, byteOrder::dword32(24)}})
            << 50 << 62000 << 150.0f << 0.001f;
        QTest::newRow("the same divider with 8 fractional bits")
            << image({{address::Impulsteiler, byteOrder::dword32(24 * 256)}}) << 50 << 62000
            << 150.0f << 0.001f;
    }
    void special_configuration_values() {
        QFETCH(QByteArray, eeprom);
        QFETCH(int, pulseDuration);
        QFETCH(int, filterFactor);
        QFETCH(float, mew);
        QFETCH(float, pulseValue);
        QVERIFY(decode(eeprom));
        QCOMPARE(par.Impulsdauer, pulseDuration);
        QCOMPARE(par.Filterfaktor, filterFactor);
        QCOMPARE(par.MEW, mew);
        QCOMPARE(par.Impulswert, pulseValue);
    }

    void flows_are_in_the_chosen_unit() {
        unit.Umrechnungsfaktor = 60.0;  // kg/min
        QVERIFY(decode(images::standard()));
        QCOMPARE(par.MEW, 2.5f);
        QCOMPARE(par.MOG, float(200.0 / 60.0));
        QCOMPARE(par.Schleichmenge, float(0.5 / 60.0));
        QCOMPARE(par.StpFlow[12], 200.0f);     // support points stay in kg/h
        QCOMPARE(par.Impulswert, 0.0016667f);  // rounded to 7 decimals
    }

    // Given a meter, when the tool starts, then the overflow controls follow its overflow state;
    // firmware before version 3 has none: its overflow byte is ignored, the controls hidden.
    void the_firmware_decides_the_overflow_display_data() {
        QTest::addColumn<QByteArray>("eeprom");
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("overflow");  // 7: left as it was
        QTest::addColumn<int>("active");
        QTest::addColumn<QString>("line");
        QTest::addColumn<Color>("colour");
        const Language de = Language::German;
        const auto overflow = [](const char* version, const char* byte) {
            return image({{address::Firmwareversion, version}, {address::Ueberlauf, hex(byte)}});
        };
        QTest::newRow("version 05, active")
            << overflow("V1.0  05", "01") << de << 1 << 1 << "Überlauf ist aktiv" << color::Blue;
        QTest::newRow("version 03, passive")
            << overflow("V3.1 R03", "00") << de << 0 << 0 << "Überlauf ist passiv" << color::Red;
        QTest::newRow("byte 2 is passive")
            << overflow("V3.1 R03", "02") << de << 2 << 0 << "Überlauf ist passiv" << color::Red;
        QTest::newRow("version 2 and a point")
            << overflow("V1.0 R2.", "01") << de << 7 << 7 << QString() << Color(0);
        QTest::newRow("two letters count as 0")
            << overflow("V1.0 RAB", "01") << de << 7 << 7 << QString() << Color(0);
        QTest::newRow("firmware 2 ignores the overflow byte")
            << images::firmware2() << de << 7 << 7 << QString() << Color(0);
        QTest::newRow("English") << overflow("V3.1 R03", "01") << Language::English << 1 << 1
                                 << "Overflow active" << color::Blue;
        QTest::newRow("French") << overflow("V3.1 R03", "01") << Language::French << 1 << 1
                                << "Dépassement actif" << color::Blue;
        QTest::newRow("unknown language keeps the caption")
            << overflow("V3.1 R03", "01") << Language::Unknown << 1 << 1 << QString() << Color(0);
    }
    void the_firmware_decides_the_overflow_display() {
        QFETCH(QByteArray, eeprom);
        QFETCH(Language, language);
        QFETCH(int, overflow);
        QFETCH(int, active);
        QFETCH(QString, line);
        QFETCH(Color, colour);
        Bench b(eeprom);
        b.session.language = language;
        b.session.meter.Ueberlauf = b.session.meter.UeberlaufAktiv = 7;
        b.start();
        QVERIFY(b.dialogs.shownMessages.isEmpty());
        QCOMPARE(overflowKnown(b.session.meter), overflow != 7);
        QCOMPARE(b.session.meter.Ueberlauf, overflow);
        QCOMPARE(b.session.meter.UeberlaufAktiv, active);
        const DisplayModel& display = b.session.display;
        for (const char* name : {"chkKonfAnalog_5", "lblKonfULAkt", "lblUeberlauf"})
            QCOMPARE(display.visible(QLatin1String(name)), active == 1);
        for (const char* name : {"AnzAnalog", "AnzSignal"})
            QCOMPARE(display.get(QLatin1String(name), Aspect::Maximum), active == 1 ? 110 : 100);
        QCOMPARE(display.text("lblUeberlauf"), line);
        QCOMPARE(display.textColor("lblUeberlauf"), colour);
    }

    void erased_calibration_reads_as_zero_and_an_empty_curve_keeps_its_points() {
        par.StpCounts[1] = 4711;
        QVERIFY(decode(image({{address::StpAnzahl, hex("00")},
                              {address::DacReferenz, hex("FF FF FF FF")},
                              {address::DacPointsU, hex("FF FF FF FF FF FF")},
                              {address::DacPointsI + 2, byteOrder::float32(-1.5f)}})));
        QCOMPARE(par.StpCounts[1], 4711);
        QCOMPARE(par.DacReferenz[1], 0.0f);
        QCOMPARE(par.DacCountsU[1], 65535);
        QCOMPARE(par.DacAusgangU[1], 0.0f);
        QCOMPARE(par.DacAusgangI[1], 0.0f);
    }

    void a_failure_ends_the_decode_and_keeps_what_came_before_data() {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<int>("stpAnzahl");
        QTest::addColumn<float>("mew");
        const QString index = QStringLiteral("Index außerhalb des gültigen Bereichs");
        const QByteArray standard = replyWith(images::standard());
        QTest::newRow("count 41") << replyWith(image({{address::StpAnzahl, hex("29")}})) << 1.0
                                  << index << 41 << -1.0f;
        // 255 support points are more than the record holds.
        QTest::newRow("erased meter")
            << replyWith(images::erased()) << 1.0 << index << 255 << -1.0f;
        QTest::newRow("truncated after the curve")
            << standard.left(260) << 1.0 << index << 12 << -1.0f;
        QTest::newRow("zero unit factor")
            << standard << 0.0 << "Division durch Null" << 12 << -1.0f;
        QTest::newRow("truncated before the serial number")
            << standard.left(505) << 1.0 << index << 12 << 150.0f;
        QTest::newRow("empty") << QByteArray() << 1.0 << index << -1 << -1.0f;
    }
    void a_failure_ends_the_decode_and_keeps_what_came_before() {
        QFETCH(QByteArray, buffer);
        QFETCH(double, factor);
        QFETCH(QString, failure);
        QFETCH(int, stpAnzahl);
        QFETCH(float, mew);
        par.StpAnzahl = -1;
        par.MEW = -1.0f;
        par.Fertigungsnummer = QStringLiteral("old");
        unit.Umrechnungsfaktor = factor;
        const DecodeResult r = EEPromAuswerten(buffer, par, unit);
        QCOMPARE(r.failure, failure);
        QVERIFY(!r.overflowRead);
        QCOMPARE(par.StpAnzahl, stpAnzahl);
        QCOMPARE(par.MEW, mew);
        QCOMPARE(par.Fertigungsnummer, QStringLiteral("old"));
        if (stpAnzahl > MeterParameters::MaxSupportPoints)
            QCOMPARE(par.StpCounts[MeterParameters::MaxSupportPoints], 65535);
        if (buffer.size() != 513) return;

        // Given such a meter, when the tool starts, then the technician is told why, the display
        // fails on the filter factor not reached, and the start-up ends all the same.
        Bench b(buffer.mid(1));
        b.session.settings.unit.Umrechnungsfaktor = factor;
        b.start();
        QCOMPARE(b.dialogs.texts(),
                 QStringList({failure + ", SUB EEPromAuswerten\r\nText 80",
                              "Ungültiger Prozeduraufruf oder ungültiges Argument, SUB "
                              "WerteAnzeigen"}));
        QCOMPARE(b.dialogs.shownMessages[0].symbol, Symbol::Critical);
        QVERIFY(b.session.state.meterRead);
        QVERIFY(!b.session.display.get("AnzAnalog", Aspect::Maximum).isValid());
    }
};

QTEST_GUILESS_MAIN(TstEEPromAuswerten)
#include "tst_eeprom_auswerten.moc"
