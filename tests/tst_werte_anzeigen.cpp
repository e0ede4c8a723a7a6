#include <QLocale>
#include <QtTest>

#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "session/show_tables.h"
#include "session/show_units.h"
#include "session/show_values.h"
#include "support/bench.h"

// Given a decoded meter, the configuration display writes every label,
// list and frame with the texts and rounding the technician expects.
class TstWerteAnzeigen : public QObject {
    Q_OBJECT

    DisplayModel v;
    EditState b;
    Unit kgh{QStringLiteral("kg/h"), 1.0, QStringLiteral("(-)"), QStringLiteral("Luft")};

    MeterParameters standard() {
        MeterParameters p;
        EEPromAuswerten(replyWith(images::standard()), p, kgh);
        return p;
    }
    QString show(const MeterParameters& p, const Unit& e) {
        return WerteAnzeigen(p, e, b, Language::German, v);
    }

private slots:
    void init() {
        v = DisplayModel{};
        b.Listensperre = 1;  // so that the display has to clear it
        QLocale::setDefault(QLocale::c());
    }

    void the_standard_meter_appears_on_every_page() {
        QCOMPARE(show(standard(), kgh), QString());
        for (const char* n :
             {"lblGANAOUT", "lblKonfAnaOutAkt", "lblKonfAnaOutNeu", "lblNDAnalogausgang"})
            QCOMPARE(v.text(QLatin1String(n)), QStringLiteral("4 - 20"));
        QCOMPARE(v.text("lblinfo_32"), QStringLiteral("mA"));
        QCOMPARE(v.item("ListKonfErr", 2), QStringLiteral("down"));
        QCOMPARE(v.selection("ListAnalogAus"), 1);
        QVERIFY(v.visible("raImpuls") && !v.visible("raFrequenz") && !v.visible("raNDSchalt"));
        QCOMPARE(v.text("lblPulsWert"), QStringLiteral("0.1"));
        QCOMPARE(v.text("lblNDDauer"), QStringLiteral("50 ms"));
        QVERIFY(v.visible("PicImpPolPlus") && !v.visible("PicImpPolMinus"));
        QCOMPARE(v.text("lblNDImpulsPol"), QStringLiteral("Positiv"));
        QCOMPARE(v.text("lblERR"), QStringLiteral("min"));
        QCOMPARE(v.text("lblKonfULAkt"), QStringLiteral("passiv"));
        QCOMPARE(v.selection("ListUeberlauf"), 1);
        QCOMPARE(v.text("lblMEW"), QStringLiteral("150"));
        QCOMPARE(v.text("lblMOG"), QStringLiteral(" 200"));
        QCOMPARE(v.text("lblFILTFAKT"), QStringLiteral("18"));
        QCOMPARE(v.value("hscKonfFiltfakt"), 18);
        QCOMPARE(v.text("lblNDFilterfaktor"), QStringLiteral("18 ms"));
        QCOMPARE(v.text("lblSCHLEICH"), QStringLiteral("0.5000"));
        QCOMPARE(v.text("lblNorm"), QStringLiteral("(-)  Luft"));  // the standard condition
        QCOMPARE(v.text("lblVersion"), QStringLiteral("V3.1 R03"));
        QCOMPARE(b.Listensperre, 0);
    }

    void roundings_and_special_cases_data() {
        QTest::addColumn<float>("mew");
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("analogRange");
        QTest::addColumn<QString>("mewText");
        QTest::addColumn<int>("slider");
        QTest::addColumn<QString>("fault");
        QTest::newRow("MEW 123.45678") << 123.45678f << 62000 << 0x18 << "123.4568" << 18 << "min";
        QTest::newRow("filter near 65535") << 100.0f << 65534 << 0x18 << "100" << 5000 << "min";
        QTest::newRow("bits 4 and 6 show min") << 100.0f << 62000 << 0x58 << "100" << 18 << "min";
        QTest::newRow("up only") << 100.0f << 62000 << 0x88 << "100" << 18 << "up";
    }
    void roundings_and_special_cases() {
        QFETCH(float, mew);
        QFETCH(int, filter);
        QFETCH(int, analogRange);
        QFETCH(QString, mewText);
        QFETCH(int, slider);
        QFETCH(QString, fault);
        MeterParameters p = standard();
        p.MEW = mew;
        p.Filterfaktor = filter;
        p.Analogbereich = analogRange;
        QCOMPARE(show(p, kgh), QString());
        QCOMPARE(v.text("lblKonfMEWAkt"), mewText);
        QCOMPARE(v.value("hscKonfFiltfakt"), slider);
        QCOMPARE(v.text("lblKonfErrNeu"), fault);
    }

    void the_pulse_value_follows_the_time_base_of_the_unit_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<float>("pulseValue");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("pulseUnit");
        const auto row = [](const char* unit, float value, const char* shown, const char* pulse) {
            QTest::newRow(unit) << QString(unit) << value << QString(shown) << QString(pulse);
        };
        row("kg/min", 0.0125f, "0.8", "kg/Puls");
        row("kg/h", 2.25f, "2.2", "kg/Puls");
        row("g/sec", 0.0001f, "0.4", "g/Puls");
        row("SCFM", 0.5f, "30", "SCFM/Puls");
    }
    void the_pulse_value_follows_the_time_base_of_the_unit() {
        QFETCH(QString, unit);
        QFETCH(float, pulseValue);
        QFETCH(QString, shown);
        QFETCH(QString, pulseUnit);
        MeterParameters p = standard();
        p.Impulswert = pulseValue;
        const Unit e{unit, 60.0, QString(), QString()};
        QCOMPARE(show(p, e), QString());
        QCOMPARE(v.text("lblKonfImpWertAkt"), shown);
        EinheitenAnzeigen(e, v);
        QCOMPARE(v.text("lblinfo_46"), pulseUnit);
        QCOMPARE(v.text("frmND.lblinfo_17"), pulseUnit);
        QCOMPARE(v.text("lblinfo_15"), unit);
    }

    void frequency_and_switch_outputs_show_their_frames() {
        MeterParameters p = standard();
        p.Ausgangsart = 0x01 | 0x08;
        p.Frequenzbereich = 0;
        p.FrequenzMin = 10;
        p.FrequenzMax = 2272;
        show(p, kgh);
        QVERIFY(v.visible("raNDFrequenzvariabel") && !v.visible("raNDFrequenzstandard"));
        QCOMPARE(v.text("lblNDFrequenzmax"), QStringLiteral("2272"));
        p.Frequenzbereich = 2;
        show(p, kgh);
        QCOMPARE(v.text("lblKonfFrequenzAkt"), QStringLiteral("10 - 1000"));
        QCOMPARE(v.selection("ListFrequenz"), 1);
        p.Ausgangsart = 0x02 | 0x40;
        p.Polaritaet = QStringLiteral("Minus");
        show(p, kgh);
        QCOMPARE(v.text("lblSchaltMax"), QStringLiteral("120"));
        QVERIFY(v.visible("PicSchaltPolMinus") && !v.visible("PicSchaltPolPlus"));
        QCOMPARE(v.text("lblNDSchaltPol"), QStringLiteral("Negativ"));
        QCOMPARE(v.item("ListKonfErr", 2), QString());
        QVERIFY(v.visible("raSchalt") && !v.visible("raImpuls") && !v.visible("raFrequenz"));
    }

    // A filter factor the logarithm or the division cannot take ends the
    // display; the labels set before it keep their new texts.
    void an_unusable_filter_ends_the_display_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("failure");
        QTest::newRow("65535") << 65535 << "Division durch Null";
        QTest::newRow("0") << 0 << "Ungültiger Prozeduraufruf oder ungültiges Argument";
    }
    void an_unusable_filter_ends_the_display() {
        QFETCH(int, filter);
        QFETCH(QString, failure);
        MeterParameters p = standard();
        p.Filterfaktor = filter;
        QCOMPARE(show(p, kgh), failure);
        QCOMPARE(v.text("lblMEW"), QStringLiteral("150"));
        QCOMPARE(v.text("lblSCHLEICH"), QString());
        QCOMPARE(b.Listensperre, 0);
        if (filter != 65535) return;

        // Given a meter with an erased filter factor, when the tool starts, then the
        // technician is told that the display failed and where.
        QByteArray eeprom = images::standard();
        Bench bench(eeprom.replace(address::Filterfaktor, 2, hex("FF FF")));
        bench.start();
        QCOMPARE(bench.dialogs.texts(), QStringList{failure + ", SUB WerteAnzeigen"});
        QCOMPARE(bench.dialogs.shownMessages[0].symbol, Symbol::Critical);
        QCOMPARE(bench.shown("lblMEW"), QStringLiteral("150"));
    }

    void support_points_and_calibration_in_the_grids() {
        MeterParameters p = standard();
        p.StpCounts[16] = 4000;
        p.StpFlow[16] = 12.5f;
        showSupportPoints(p, v);
        showCalibration(p, v);
        QCOMPARE(v.cell("tabStp_1", 1, 2), QStringLiteral("0"));  // point 1 shows its 0 kg/h
        QCOMPARE(v.cell("tabStp_1", 13, 1), QString());           // no point 13
        QCOMPARE(v.cell("tabStp_1", 13, 2), QString());
        QCOMPARE(v.cell("tabStp_2", 1, 0), QStringLiteral("16"));
        QCOMPARE(v.cell("tabStp_2", 1, 2), QStringLiteral("12.5"));
        QCOMPARE(v.cell("tabOF", 1, 1), QStringLiteral("44"));
        QCOMPARE(v.cell("tabOF", 1, 2), QStringLiteral("29193"));
        QCOMPARE(v.cell("tabDAC", 4, 1), QStringLiteral("511"));
        QCOMPARE(v.cell("tabDAC", 4, 2), QStringLiteral("00.035001"));
    }
};

QTEST_GUILESS_MAIN(TstWerteAnzeigen)
#include "tst_werte_anzeigen.moc"
