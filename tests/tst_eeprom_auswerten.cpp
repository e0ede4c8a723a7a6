#include <QtTest>
#include <cmath>

#include "link/byte_order.h"
#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "support/pruefstand.h"

namespace {

// The standard meter's image with some bytes changed, as the meter sends it.
QByteArray antwort(std::initializer_list<std::pair<int, QByteArray>> aenderungen,
                   QByteArray eeprom = abbild::standard()) {
    for (const auto& [a, bytes] : aenderungen)
        eeprom.replace(a, bytes.size(), bytes);
    return antwortMit(eeprom);
}

QByteArray text(const char* t) {
    return QByteArray(t);
}

}  // namespace

// Given an EEPROM image, when it is decoded, then the parameter record and
// the overflow controls show what the meter holds.
class TstEEPromAuswerten : public QObject {
    Q_OBJECT

    Pruefstand p;
    Geraeteparameter par;
    Masseinheit einheit;

    bool decodiere(const QByteArray& puffer) {
        return EEPromAuswerten(puffer, par, einheit, p.ui());
    }

private slots:
    void init() {
        p.anzeige.protokoll.clear();
        p.dialoge.gezeigt.clear();
        p.sprache = Sprache::Deutsch;
        par = Geraeteparameter{};
        einheit = Masseinheit{};
    }

    void das_standardgeraet_wird_vollstaendig_decodiert() {
        QVERIFY(decodiere(antwortMit(abbild::standard())));
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
        QVERIFY(p.dialoge.gezeigt.isEmpty());
    }

    void sonderwerte_der_konfiguration_data() {
        QTest::addColumn<QByteArray>("puffer");
        QTest::addColumn<int>("impulsdauer");
        QTest::addColumn<int>("filterfaktor");
        QTest::addColumn<float>("mew");
        QTest::newRow("duration 0 is 256")
            << antwort({{adresse::Impulsdauer, hex("00")}}) << 256 << 62000 << 150.0f;
        QTest::newRow("filter 0 is 62000")
            << antwort({{adresse::Filterfaktor, hex("00 00")}}) << 50 << 62000 << 150.0f;
        QTest::newRow("erased filter")
            << antwort({{adresse::Filterfaktor, hex("FF FF")}}) << 50 << 65535 << 150.0f;
        QTest::newRow("MEW 00 00 7A 44")
            << antwort({{adresse::MEW, hex("00 00 7A 44")}}) << 50 << 62000 << 1000.0f;
    }
    void sonderwerte_der_konfiguration() {
        QFETCH(QByteArray, puffer);
        QFETCH(int, impulsdauer);
        QFETCH(int, filterfaktor);
        QFETCH(float, mew);
        QVERIFY(decodiere(puffer));
        QCOMPARE(par.Impulsdauer, impulsdauer);
        QCOMPARE(par.Filterfaktor, filterfaktor);
        QCOMPARE(par.MEW, mew);
    }

    void durchfluesse_stehen_in_der_gewaehlten_einheit() {
        einheit.Umrechnungsfaktor = 60.0;  // kg/min
        QVERIFY(decodiere(antwortMit(abbild::standard())));
        QCOMPARE(par.MEW, 2.5f);
        QCOMPARE(par.MOG, float(200.0 / 60.0));
        QCOMPARE(par.Schleichmenge, float(0.5 / 60.0));
        QCOMPARE(par.StpFlow[12], 200.0f);     // support points stay in kg/h
        QCOMPARE(par.Impulswert, 0.0016667f);  // rounded to 7 decimals
    }

    void impulswert_ist_fuer_beide_teilerformen_gleich() {
        QVERIFY(decodiere(antwort({{adresse::Digitalflags, hex("81")},
                                   {adresse::Impulsteiler, bytefolge::dword32(24)}})));
        const float ohneNachkomma = par.Impulswert;
        QVERIFY(decodiere(antwort({{adresse::Digitalflags, hex("85")},
                                   {adresse::Impulsteiler, bytefolge::dword32(24 * 256)}})));
        QCOMPARE(ohneNachkomma, par.Impulswert);
        QCOMPARE(par.Impulswert, 0.001f);
    }

    void firmwarepruefung_schaltet_den_ueberlauf_data() {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("ueberlaufbyte");
        QTest::addColumn<int>("aktiv");
        QTest::addColumn<QStringList>("wirkung");
        const QStringList versteckt = {"chkKonfAnalog_5 sichtbar aus", "lblKonfULAkt sichtbar aus",
                                       "lblUeberlauf sichtbar aus", "Skala 100"};
        const QStringList gezeigt = {"chkKonfAnalog_5 sichtbar an", "lblKonfULAkt sichtbar an",
                                     "lblUeberlauf sichtbar an", "Skala 110"};
        QTest::newRow("version 05, active")
            << text("V1.0  05") << 1 << 1
            << (gezeigt + QStringList{"lblUeberlauf Überlauf ist aktiv #0000ff"});
        QTest::newRow("version 03, passive")
            << text("V3.1 R03") << 0 << 0
            << (versteckt + QStringList{"lblUeberlauf Überlauf ist passiv #ff0000"});
        QTest::newRow("version 2 and a point") << text("V1.0 R2.") << 1 << 7 << versteckt;
        QTest::newRow("two letters count as 0") << text("V1.0 RAB") << 1 << 7 << versteckt;
    }
    void firmwarepruefung_schaltet_den_ueberlauf() {
        QFETCH(QByteArray, version);
        QFETCH(int, ueberlaufbyte);
        QFETCH(int, aktiv);
        QFETCH(QStringList, wirkung);
        par.UeberlaufAktiv = 7;  // old firmware leaves this as it was
        QVERIFY(decodiere(antwort({{adresse::Firmwareversion, version},
                                   {adresse::Ueberlauf, QByteArray(1, char(ueberlaufbyte))}})));
        QCOMPARE(par.UeberlaufAktiv, aktiv);
        QCOMPARE(p.anzeige.protokoll, wirkung);
    }

    void ueberlauftext_in_jeder_sprache_data() {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("English") << int(Sprache::Englisch)
                                 << "lblUeberlauf Overflow active #0000ff";
        QTest::newRow("French") << int(Sprache::Franzoesisch)
                                << "lblUeberlauf Dépassement actif #0000ff";
        QTest::newRow("unknown language keeps the caption") << int(Sprache::Unbekannt) << QString();
    }
    void ueberlauftext_in_jeder_sprache() {
        QFETCH(int, sprache);
        QFETCH(QString, zeile);
        p.sprache = Sprache(sprache);
        QVERIFY(decodiere(antwort({{adresse::Ueberlauf, hex("01")}})));
        const QStringList texte =
            p.anzeige.protokoll.filter("lblUeberlauf ", Qt::CaseSensitive).filter("#");
        QCOMPARE(texte, zeile.isEmpty() ? QStringList() : QStringList{zeile});
    }

    void geloeschte_kalibrierfelder_werden_null() {
        QVERIFY(decodiere(antwort({{adresse::DacReferenz, hex("FF FF FF FF")},
                                   {adresse::DacPunkteU, hex("FF FF FF FF FF FF")},
                                   {adresse::DacPunkteI + 2, bytefolge::float32(-1.5f)}})));
        QCOMPARE(par.DacReferenz[1], 0.0f);
        QCOMPARE(par.DacCountsU[1], 65535);
        QCOMPARE(par.DacAusgangU[1], 0.0f);
        QCOMPARE(par.DacAusgangI[1], 0.0f);
    }

    void ein_geloeschtes_geraet_wird_ohne_absturz_decodiert() {
        QVERIFY(!decodiere(antwortMit(abbild::geloescht())));
        // 255 support points are more than the record holds.
        QCOMPARE(par.StpAnzahl, 255);
        QCOMPARE(par.StpCounts[40], 65535);
        QCOMPARE(p.dialoge.gezeigt.size(), 1);
        QVERIFY(p.dialoge.gezeigt[0].text.contains(", SUB EEPromAuswerten"));
    }

    void ohne_stuetzstellen_bleiben_die_punkte_unberuehrt() {
        par.StpCounts[1] = 4711;
        QVERIFY(decodiere(antwort({{adresse::StpAnzahl, hex("00")}})));
        QCOMPARE(par.StpCounts[1], 4711);
    }

    void ein_fehler_beendet_das_decodieren_und_behaelt_das_bisherige_data() {
        QTest::addColumn<QByteArray>("puffer");
        QTest::addColumn<double>("faktor");
        QTest::addColumn<QString>("beschreibung");
        QTest::addColumn<int>("stpAnzahl");
        QTest::addColumn<float>("mew");
        QTest::newRow("count 41") << antwort({{adresse::StpAnzahl, hex("29")}}) << 1.0
                                  << "Index außerhalb des gültigen Bereichs" << 41 << -1.0f;
        QTest::newRow("truncated after the curve")
            << antwortMit(abbild::standard()).left(260) << 1.0
            << "Index außerhalb des gültigen Bereichs" << 12 << -1.0f;
        QTest::newRow("zero unit factor")
            << antwortMit(abbild::standard()) << 0.0 << "Division durch Null" << 12 << -1.0f;
        QTest::newRow("truncated before the serial number")
            << antwortMit(abbild::standard()).left(505) << 1.0
            << "Index außerhalb des gültigen Bereichs" << 12 << 150.0f;
        QTest::newRow("empty") << QByteArray() << 1.0 << "Index außerhalb des gültigen Bereichs"
                               << -1 << -1.0f;
    }
    void ein_fehler_beendet_das_decodieren_und_behaelt_das_bisherige() {
        QFETCH(QByteArray, puffer);
        QFETCH(double, faktor);
        QFETCH(QString, beschreibung);
        QFETCH(int, stpAnzahl);
        QFETCH(float, mew);
        par.StpAnzahl = -1;
        par.MEW = -1.0f;
        par.Fertigungsnummer = QStringLiteral("old");
        einheit.Umrechnungsfaktor = faktor;
        QVERIFY(!decodiere(puffer));
        QCOMPARE(par.StpAnzahl, stpAnzahl);
        QCOMPARE(par.MEW, mew);
        QCOMPARE(par.Fertigungsnummer, QStringLiteral("old"));
        QCOMPARE(p.dialoge.gezeigt.size(), 1);
        QCOMPARE(p.dialoge.gezeigt[0].text, beschreibung + ", SUB EEPromAuswerten\r\nText 80");
        QCOMPARE(p.dialoge.gezeigt[0].symbol, Symbol::Kritisch);
    }

    void firmware2_ignoriert_das_ueberlaufbyte() {
        QVERIFY(decodiere(antwortMit(abbild::firmware2())));
        QCOMPARE(par.Ueberlauf, 0);
        QCOMPARE(par.UeberlaufAktiv, 0);
        QVERIFY(p.anzeige.protokoll.contains("Skala 100"));
    }
};

QTEST_GUILESS_MAIN(TstEEPromAuswerten)
#include "tst_eeprom_auswerten.moc"
