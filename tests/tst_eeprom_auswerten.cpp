#include <QtTest>

#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "device/parameter_list.h"
#include "link/byte_order.h"
#include "support/bench.h"
#include "support/property.h"

namespace {

// The standard meter's reply with some EEPROM bytes changed.
QByteArray with(std::initializer_list<std::pair<int, QByteArray>> changes) {
    QByteArray eeprom = images::standard();
    for (const auto& [a, bytes] : changes)
        eeprom.replace(a, bytes.size(), bytes);
    return replyWith(eeprom);
}

// Every field of the record as "name value", floats in their shortest form,
// and the support-point entries beyond the count too.
QStringList fields(const MeterParameters& p) {
    QStringList l;
    for (const auto& [name, value] : parameterList(p))
        l << name + " " + value;
    for (int i = p.StpAnzahl + 1; i <= MeterParameters::MaxSupportPoints; ++i)
        l << QString("StpCounts[%1] %2").arg(i).arg(p.StpCounts[size_t(i)])
          << QString("StpFlow[%1] %2").arg(i).arg(floatText(p.StpFlow[size_t(i)]));
    return l;
}

// A stock image with some of the fields the tool reads, or any byte, changed.
rc::Gen<QByteArray> anyImage() {
    return rc::gen::exec([] {
        QByteArray e = *rc::gen::element(images::standard(), images::firmware2(), images::erased());
        for (int i = *rc::gen::inRange(0, 12); i > 0; --i)
            e[*rc::gen::oneOf(rc::gen::element(0, 4, 214, 215, 244, 245, 468, 499),
                              rc::gen::inRange(0, 512))] =
                *rc::gen::oneOf(rc::gen::element('\0', '\1', '\3', '\x40', '3', '2'),
                                rc::gen::arbitrary<char>());
        return e;
    });
}

// The standard meter decoded in kg/h.
const QStringList Standard =
    QStringLiteral(
        "Ausgangsart 21, Analogbereich 24, Digitalflags 133, Polaritaet Plus, "
        "StpAnzahl 12, StpCounts[1] 62, StpFlow[12] 200, StpCounts[13] 0, StpCounts[40] 0, "
        "Impulsteiler 614390, Impulsdauer 50, FrequenzMin 10, FrequenzMax 1000, "
        "Frequenzteiler 10, Filterfaktor 62000, MEW 150, MOG 200, SchaltMax 120, "
        "Schleichmenge 0.5, AnalogTrim[1] 44, AnalogTrim[4] 10895, AnalogTrim[5] 29193, "
        "AnalogTrim[8] 41810, DacReferenz[1] 0, DacReferenz[2] 9.9999, "
        "DacCountsU[1] 511, DacCountsU[3] 60590, DacAusgangU[1] 0.080001, "
        "DacAusgangI[1] 0.035001, DacAusgangI[2] 1.010001, Firmwareversion V3.1 R03, "
        "Fertigungsnummer QO24031507, Impulswert 0.0999999")
        .split(", ");

}  // namespace

// Given an EEPROM image, when it is decoded, then the parameter record holds
// what the meter holds and the window shows the meter's overflow state.
class TstEEPromAuswerten : public QObject {
    Q_OBJECT

private slots:
    // The memory map as the meter lays it out, written with the addresses
    // themselves, so that a moved constant cannot move the simulated meter along.
    void the_fields_stand_at_their_addresses() {
        QByteArray e(512, '\0');
        const std::pair<int, QByteArray> bytes[] = {{4, hex("01")},
                                                    {5, hex("0F FF 00 00 48 43")},
                                                    {210, hex("00 10 00 00")},
                                                    {214, hex("32")},
                                                    {221, hex("03 E8 00 0A")},
                                                    {244, hex("FF BD")},
                                                    {274, hex("00 00 16 43")},
                                                    {286, hex("00 00 00 3F")},
                                                    {290, hex("00 00 48 43")},
                                                    {468, hex("01")},
                                                    {492, "V3.1 R03"},
                                                    {500, "QO24031507"}};
        for (const auto& [a, b] : bytes)
            e.replace(a, b.size(), b);
        MeterParameters m;
        QVERIFY(EEPromAuswerten(replyWith(e), m, Unit{}).ok());
        for (const char* f :
             {"StpAnzahl 1", "StpCounts[1] 4095", "StpFlow[1] 200", "Impulsteiler 4096",
              "Impulsdauer 50", "FrequenzMin 10", "FrequenzMax 1000", "Filterfaktor 65469",
              "MEW 150", "Schleichmenge 0.5", "MOG 200", "Ueberlauf 1", "Firmwareversion V3.1 R03",
              "Fertigungsnummer QO24031507"})
            QVERIFY2(fields(m).contains(QLatin1String(f)), f);
    }

    void the_record_holds_what_the_meter_holds_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QStringList>("unlike");  // the fields unlike the standard meter's
        const auto row = [](const char* name, const QByteArray& reply, const QStringList& unlike,
                            const QString& failure = {}, double factor = 1.0) {
            QTest::newRow(name) << reply << factor << failure << unlike;
        };
        row("standard meter", with({}), {});
        row("duration 0 is 256", with({{address::Impulsdauer, hex("00")}}), {"Impulsdauer 256"});
        row("filter 0 is 62000", with({{address::Filterfaktor, hex("00 00")}}), {});
        row("erased filter", with({{address::Filterfaktor, hex("FF FF")}}), {"Filterfaktor 65535"});
        row("divider 24 without fractional bits",
            with({{address::Digitalflags, hex("81")},
                  {address::Impulsteiler, byteOrder::dword32(24)}}),
            {"Digitalflags 129", "Impulsteiler 24", "Impulswert 0.001"});
        row("the same divider with 8 fractional bits",
            with({{address::Impulsteiler, byteOrder::dword32(24 * 256)}}),
            {"Impulsteiler 6144", "Impulswert 0.001"});
        // Support points stay in kg/h; the pulse value follows MEW, rounded to 7 decimals.
        row("flows in kg/min", with({}),
            {"MEW 2.5", "MOG 3.3333333", "SchaltMax 2", "Schleichmenge 0.008333334",
             "Impulswert 0.0016667"},
            {}, 60.0);
        const QStringList noPoints{"StpAnzahl 0", "StpCounts[1] 0", "StpFlow[12] 0"};
        row("erased calibration, and a curve without points",
            with({{address::StpAnzahl, hex("00")},
                  {address::DacReferenz, hex("FF FF FF FF")},
                  {address::DacPointsU, hex("FF FF FF FF FF FF")},
                  {address::DacPointsI + 2, byteOrder::float32(-1.5f)}}),
            noPoints + QStringList{"DacCountsU[1] 65535", "DacAusgangU[1] 0", "DacAusgangI[1] 0"});
        // A part that cannot be decoded stays empty; the others are decoded all the same.
        const QString index = QStringLiteral("Index außerhalb des gültigen Bereichs");
        row("count 41", with({{address::StpAnzahl, hex("29")}}), noPoints, index);
        row("zero unit factor", with({}),
            {"MEW 0", "MOG 0", "SchaltMax 0", "Schleichmenge 0", "Impulswert 0"},
            "Division durch Null", 0.0);
        row("truncated before the serial number", with({}).left(505), {"Fertigungsnummer "}, index);
    }
    void the_record_holds_what_the_meter_holds() {
        QFETCH(QByteArray, reply);
        QFETCH(double, factor);
        QFETCH(QString, failure);
        MeterParameters par;
        const DecodeResult r = EEPromAuswerten(reply, par, Unit{"kg/h", factor, {}, {}});
        QCOMPARE(r.failure, failure);
        QStringList differing;
        for (const QString& expected : Standard) {
            const QString name = QRegularExpression::escape(expected.section(' ', 0, 0));
            const QStringList got = fields(par).filter(QRegularExpression('^' + name + ' '));
            if (got != QStringList{expected}) differing << got;
        }
        QTEST(differing, "unlike");
        if (reply.size() != 513) return;

        // Given such a meter, when the tool starts, then the technician is told what could not
        // be decoded or shown, the rest of the meter is shown, and the start-up ends all the same.
        Bench b(reply.mid(1));
        b.session.settings.unit.Umrechnungsfaktor = factor;
        b.start();
        QStringList told;
        if (!failure.isEmpty()) told << failure + ", SUB EEPromAuswerten\r\nText 80";
        if (par.Filterfaktor == 65535) told << "Division durch Null, SUB WerteAnzeigen";
        QCOMPARE(b.dialogs.texts(), told);
        for (const ShownMessage& m : b.dialogs.shownMessages)
            QCOMPARE(m.symbol, Symbol::Critical);
        QVERIFY(b.session.state.meterRead);
        QCOMPARE(b.shown("lblFNr"), QStringLiteral("QO24031507"));
    }

    // Given a meter read and shown, when another is connected and read, then
    // neither the record nor a label or grid cell keeps anything of the first.
    void a_meter_read_after_another_shows_nothing_of_it() {
        QCHECK_PROPERTY("the second meter alone", [] {
            const QByteArray first = *anyImage(), second = *anyImage();
            Bench after(first), alone(second);
            QSet<QString> names;
            after.session.display.setListener([&](const QString& name, Aspect a, const QVariant&) {
                if (a == Aspect::Text && (name.contains("lbl") || name.startsWith("tab")))
                    names << name;
            });
            after.start();
            after.sim.meter = Meter(second);
            after.session.connectMeter();
            after.clock.advance(1.0);
            alone.start();
            RC_ASSERT(fields(after.session.meter).join(", ").toStdString() ==
                      fields(alone.session.meter).join(", ").toStdString());
            QStringList kept;
            for (const QString& name : names)
                if (after.shown(name) != alone.shown(name)) kept << name + "=" + after.shown(name);
            RC_ASSERT(kept.join(", ").toStdString() == "");
        });
    }

    // Given a meter, when the tool starts, then the overflow controls follow its overflow state;
    // firmware before version 3 has none: its overflow byte is ignored, the controls hidden.
    void the_firmware_decides_the_overflow_display_data() {
        QTest::addColumn<QByteArray>("eeprom");
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("overflow");  // none, 0, before version 3
        QTest::addColumn<QString>("line");  // blue when active, red when passive
        const auto fw = [](const char* version, const char* byte) {
            return with({{address::Firmwareversion, version}, {address::Ueberlauf, hex(byte)}})
                .mid(1);
        };
        const auto row = [](const char* name, const QByteArray& eeprom, int overflow,
                            const char* line, Language language = Language::German) {
            QTest::newRow(name) << eeprom << language << overflow << QString(line);
        };
        row("version 03, passive", fw("V3.1 R03", "00"), 0, "Überlauf ist passiv");
        row("byte 2 is passive", fw("V3.1 R03", "02"), 2, "Überlauf ist passiv");
        row("version 2 and a point", fw("V1.0 R2.", "01"), 0, "");
        row("two letters count as 0", fw("V1.0 RAB", "01"), 0, "");
        row("version 05, active", fw("V1.0  05", "01"), 1, "Überlauf ist aktiv");
        row("unknown language keeps the caption", fw("V3.1 R03", "01"), 1, "", Language::Unknown);
    }
    void the_firmware_decides_the_overflow_display() {
        QFETCH(QByteArray, eeprom);
        QFETCH(Language, language);
        QFETCH(int, overflow);
        QFETCH(QString, line);
        Bench b(eeprom);
        b.session.language = language;
        b.session.meter.Ueberlauf = b.session.meter.UeberlaufAktiv = 1;  // of a meter before
        b.start();
        QVERIFY(b.dialogs.shownMessages.isEmpty());
        QCOMPARE(b.session.meter.Ueberlauf, overflow);
        const int active = int(overflow == 1);  // only byte 1 is active
        QCOMPARE(b.session.meter.UeberlaufAktiv, active);
        const DisplayModel& display = b.session.display;
        for (const char* name : {"chkKonfAnalog_5", "lblKonfULAkt", "lblUeberlauf"})
            QCOMPARE(display.visible(QLatin1String(name)), active == 1);
        for (const char* name : {"AnzAnalog", "AnzSignal"})
            QCOMPARE(display.get(QLatin1String(name), Aspect::Maximum), active == 1 ? 110 : 100);
        QCOMPARE(display.text("lblUeberlauf"), line);
        QCOMPARE(display.textColor("lblUeberlauf"), line.isEmpty() ? Color(0)
                                                    : active == 1  ? color::Blue
                                                                   : color::Red);
    }
};

QTEST_GUILESS_MAIN(TstEEPromAuswerten)
#include "tst_eeprom_auswerten.moc"
