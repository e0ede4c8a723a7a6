#include <QLocale>
#include <QtTest>

#include "session/show_units.h"
#include "device/eeprom_auswerten.h"
#include "session/show_tables.h"
#include "session/show_values.h"
#include "sim/abbilder.h"
#include "support/aufzeichnung.h"
#include "support/pruefstand.h"

// Given a decoded meter, the configuration display writes every label,
// list and frame with the texts and rounding the technician expects.
class TstWerteAnzeigen : public QObject {
    Q_OBJECT

    AufzeichnendeAnzeige v;
    SkriptDialoge d;
    Texte texte;
    Sprache sprache = Sprache::Deutsch;
    Bearbeitung b;
    Masseinheit kgh{QStringLiteral("kg/h"), 1.0, QStringLiteral("(-)"), QStringLiteral("Luft")};

    Oberflaeche ui() { return {v, d, texte, sprache}; }

    Geraeteparameter standard() {
        Geraeteparameter p;
        EEPromAuswerten(antwortMit(abbild::standard()), p, kgh, ui());
        v = AufzeichnendeAnzeige{};
        return p;
    }

private slots:
    void init() {
        d = SkriptDialoge{};
        sprache = Sprache::Deutsch;
        QLocale::setDefault(QLocale::c());
    }

    void das_standardgeraet_erscheint_auf_allen_seiten() {
        const Geraeteparameter p = standard();
        WerteAnzeigen(p, kgh, b, ui());
        for (const char* n :
             {"lblGANAOUT", "lblKonfAnaOutAkt", "lblKonfAnaOutNeu", "lblNDAnalogausgang"})
            QCOMPARE(v.text(QLatin1String(n)), QStringLiteral("4 - 20"));
        QCOMPARE(v.text("lblinfo_32"), QStringLiteral("mA"));
        QCOMPARE(v.text("ListKonfErr#2"), QStringLiteral("down"));
        QVERIFY(v.protokoll.contains("ListAnalogAus Auswahl 1"));
        QVERIFY(v.protokoll.contains("raImpuls sichtbar an"));
        QVERIFY(v.protokoll.contains("raFrequenz sichtbar aus"));
        QVERIFY(v.protokoll.contains("raNDSchalt sichtbar aus"));
        QCOMPARE(v.text("lblPulsWert"), QStringLiteral("0.1"));
        QCOMPARE(v.text("lblNDDauer"), QStringLiteral("50 ms"));
        QVERIFY(v.protokoll.contains("PicImpPolPlus sichtbar an"));
        QVERIFY(v.protokoll.contains("PicImpPolMinus sichtbar aus"));
        QCOMPARE(v.text("lblNDImpulsPol"), QStringLiteral("Positiv"));
        QCOMPARE(v.text("lblERR"), QStringLiteral("min"));
        QCOMPARE(v.text("lblKonfULAkt"), QStringLiteral("passiv"));
        QVERIFY(v.protokoll.contains("ListUeberlauf Auswahl 1"));
        QCOMPARE(v.text("lblMEW"), QStringLiteral("150"));
        QCOMPARE(v.text("lblMOG"), QStringLiteral(" 200"));
        QCOMPARE(v.text("lblFILTFAKT"), QStringLiteral("18"));
        QCOMPARE(v.text("hscKonfFiltfakt"), QStringLiteral("18"));
        QCOMPARE(v.text("lblNDFilterfaktor"), QStringLiteral("18 ms"));
        QCOMPARE(v.text("lblSCHLEICH"), QStringLiteral("0.5000"));
        QCOMPARE(v.text("lblVersion"), QStringLiteral("V3.1 R03"));
        QCOMPARE(b.Listensperre, 0);
        QVERIFY(d.gezeigt.isEmpty());
    }

    void rundungen_und_sonderfaelle_data() {
        QTest::addColumn<float>("mew");
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("analogbereich");
        QTest::addColumn<QString>("mewText");
        QTest::addColumn<QString>("schieber");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("MEW 123.45678") << 123.45678f << 62000 << 0x18 << "123.4568"
                                       << "18"
                                       << "min";
        QTest::newRow("filter near 65535") << 100.0f << 65534 << 0x18 << "100"
                                           << "5000"
                                           << "min";
        QTest::newRow("bits 4 and 6 show min") << 100.0f << 62000 << 0x58 << "100"
                                               << "18"
                                               << "min";
        QTest::newRow("up only") << 100.0f << 62000 << 0x88 << "100"
                                 << "18"
                                 << "up";
    }
    void rundungen_und_sonderfaelle() {
        QFETCH(float, mew);
        QFETCH(int, filter);
        QFETCH(int, analogbereich);
        QFETCH(QString, mewText);
        QFETCH(QString, schieber);
        QFETCH(QString, fehler);
        Geraeteparameter p = standard();
        p.MEW = mew;
        p.Filterfaktor = filter;
        p.Analogbereich = analogbereich;
        WerteAnzeigen(p, kgh, b, ui());
        QCOMPARE(v.text("lblKonfMEWAkt"), mewText);
        QCOMPARE(v.text("hscKonfFiltfakt"), schieber);
        QCOMPARE(v.text("lblKonfErrNeu"), fehler);
    }

    void impulswert_folgt_der_zeitbasis_der_einheit_data() {
        QTest::addColumn<QString>("einheit");
        QTest::addColumn<float>("impulswert");
        QTest::addColumn<QString>("gezeigt");
        QTest::addColumn<QString>("pulseinheit");
        QTest::newRow("kg/min") << "kg/min" << 0.0125f << "0.8"
                                << "kg/Puls";
        QTest::newRow("kg/h") << "kg/h" << 2.25f << "2.2"
                              << "kg/Puls";
        QTest::newRow("g/sec") << "g/sec" << 0.0001f << "0.4"
                               << "g/Puls";
        QTest::newRow("SCFM") << "SCFM" << 0.5f << "30"
                              << "SCFM/Puls";
    }
    void impulswert_folgt_der_zeitbasis_der_einheit() {
        QFETCH(QString, einheit);
        QFETCH(float, impulswert);
        QFETCH(QString, gezeigt);
        QFETCH(QString, pulseinheit);
        Geraeteparameter p = standard();
        p.Impulswert = impulswert;
        const Masseinheit e{einheit, 60.0, QString(), QString()};
        WerteAnzeigen(p, e, b, ui());
        QCOMPARE(v.text("lblKonfImpWertAkt"), gezeigt);
        EinheitenAnzeigen(e, v);
        QCOMPARE(v.text("lblinfo_46"), pulseinheit);
        QCOMPARE(v.text("frmND.lblinfo_17"), pulseinheit);
        QCOMPARE(v.text("lblinfo_15"), einheit);
    }

    void frequenz_und_schaltausgang_zeigen_ihre_rahmen() {
        Geraeteparameter p = standard();
        p.Ausgangsart = 0x01 | 0x08;
        p.Frequenzbereich = 0;
        p.FrequenzMin = 10;
        p.FrequenzMax = 2272;
        WerteAnzeigen(p, kgh, b, ui());
        QVERIFY(v.protokoll.contains("raNDFrequenzvariabel sichtbar an"));
        QCOMPARE(v.text("lblNDFrequenzmax"), QStringLiteral("2272"));
        p.Frequenzbereich = 2;
        WerteAnzeigen(p, kgh, b, ui());
        QCOMPARE(v.text("lblKonfFrequenzAkt"), QStringLiteral("10 - 1000"));
        QVERIFY(v.protokoll.contains("ListFrequenz Auswahl 1"));
        p.Ausgangsart = 0x02 | 0x40;
        p.Polaritaet = QStringLiteral("Minus");
        WerteAnzeigen(p, kgh, b, ui());
        QCOMPARE(v.text("lblSchaltMax"), QStringLiteral("120"));
        QVERIFY(v.protokoll.contains("PicSchaltPolMinus sichtbar an"));
        QCOMPARE(v.text("lblNDSchaltPol"), QStringLiteral("Negativ"));
        QCOMPARE(v.text("ListKonfErr#2"), QString());
    }

    void ein_unbrauchbarer_filter_bricht_mit_meldung_ab() {
        Geraeteparameter p = standard();
        p.Filterfaktor = 65535;
        WerteAnzeigen(p, kgh, b, ui());
        QCOMPARE(d.texte(), QStringList{"Division durch Null, SUB WerteAnzeigen"});
        QCOMPARE(v.text("lblMEW"), QStringLiteral("150"));
        QCOMPARE(v.text("lblSCHLEICH"), QString());
        QCOMPARE(b.Listensperre, 0);
    }

    void die_normbedingung_steht_mit_dem_gas() {
        const Masseinheit e{QStringLiteral("Nm3/h"), 1.2929, QStringLiteral("(0 °C 1013.25 mbar)"),
                            QStringLiteral("Luft")};
        WerteAnzeigen(standard(), e, b, ui());
        QCOMPARE(v.text("lblNorm"), QStringLiteral("(0 °C 1013.25 mbar)  Luft"));
    }

    void stuetzpunkte_und_kalibrierung_in_den_rastern() {
        Geraeteparameter p = standard();
        p.StpCounts[16] = 4000;
        p.StpFlow[16] = 12.5f;
        tabellenFuellen::stuetzpunkte(p, v);
        tabellenFuellen::kalibrierung(p, v);
        QCOMPARE(v.text("tabStp_1(1,2)"), QStringLiteral("0"));  // point 1 shows its 0 kg/h
        QCOMPARE(v.text("tabStp_1(13,1)"), QString());           // no point 13
        QCOMPARE(v.text("tabStp_1(13,2)"), QString());
        QCOMPARE(v.text("tabStp_2(1,0)"), QStringLiteral("16"));
        QCOMPARE(v.text("tabStp_2(1,2)"), QStringLiteral("12.5"));
        QCOMPARE(v.text("tabOF(1,1)"), QStringLiteral("44"));
        QCOMPARE(v.text("tabOF(1,2)"), QStringLiteral("29193"));
        QCOMPARE(v.text("tabDAC(4,1)"), QStringLiteral("511"));
        QCOMPARE(v.text("tabDAC(4,2)"), QStringLiteral("00.035001"));
    }
};

QTEST_GUILESS_MAIN(TstWerteAnzeigen)
#include "tst_werte_anzeigen.moc"
