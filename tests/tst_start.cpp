#include <QtTest>

#include "session/status_texts.h"
#include "support/kernstand.h"
#include "support/pruefstand.h"

namespace {

bool nah(double ist, double soll) {
    return qAbs(ist - soll) < 0.02;
}

}  // namespace

// Given a simulated meter, when the start-up runs on virtual time, then the
// tool sends the frames with the waits between them and shows the meter.
class TstStart : public QObject {
    Q_OBJECT

private slots:
    void der_regulaere_start_liest_zeigt_und_startet_die_abfrage() {
        Kernstand k;
        k.starten();
        QCOMPARE(k.befehle().mid(0, 4), (QStringList{"00 00", "0B 00", "0B 00", "12 12"}));
        const QVector<double> t = k.zeiten();
        QVERIFY(nah(t[1], 0.006));
        QVERIFY(nah(t[2], t[1] + 1.006));  // a second after the first byte of the answer
        QVERIFY(nah(t[3], t[2] + 0.54));   // the EEPROM read at 9600 baud
        QVERIFY(k.kern.TimCounts().aktiv());
        k.uhr.vergehen(0.02);
        QCOMPARE(k.befehle(4).value(0), QStringLiteral("03 02"));
        QVERIFY(k.dialoge.gezeigt.isEmpty());
        QVERIFY(k.kern.zustand.Verbunden);
        QVERIFY(!k.kern.zustand.Startphase);
        QCOMPARE(k.kern.zustand.Initialisierung, 0);
        QCOMPARE(k.kern.geraet.Fertigungsnummer, QStringLiteral("QO24031507"));
        QVERIFY(k.anzeige.protokoll.contains("Status Verbindung in Ordnung"));
        QVERIFY(k.anzeige.protokoll.contains("Status Initialisierung durchgeführt."));
        QVERIFY(k.anzeige.protokoll.contains(
            "Titel Konfiguration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1"));
        QCOMPARE(k.anzeige.text("lblMEW"), QStringLiteral("150"));
        QCOMPARE(k.anzeige.text("lblFNr"), QStringLiteral("QO24031507"));
        QCOMPARE(k.anzeige.text("tabStp_1(12,1)"), QStringLiteral("63000"));
        QCOMPARE(k.anzeige.text("tabDAC(3,2)"), QStringLiteral("10.370010"));
        QCOMPARE(k.anzeige.text("tabOF(4,1)"), QStringLiteral("10895"));
        QVERIFY(k.anzeige.protokoll.contains("tabError 0 | DLE "));
        for (int i = 0; i <= 3; ++i)
            QVERIFY(k.anzeige.protokoll.contains(QStringLiteral("mnuhaupt(%1) aktiv an").arg(i)));
    }

    void die_statustexte_stehen_in_der_sprache_data() {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("verbunden");
        QTest::addColumn<QString>("fertig");
        QTest::addColumn<QString>("titel");
        QTest::newRow("German") << int(Sprache::Deutsch) << "Verbindung in Ordnung"
                                << "Initialisierung durchgeführt."
                                << "Konfiguration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1";
        QTest::newRow("English") << int(Sprache::Englisch) << "Connection ok"
                                 << "Initialization ok."
                                 << "Configuration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1";
        QTest::newRow("French") << int(Sprache::Franzoesisch) << "Connection ok"
                                << "Initialisation termineé."
                                << "Configuration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1";
    }
    void die_statustexte_stehen_in_der_sprache() {
        QFETCH(int, sprache);
        QFETCH(QString, verbunden);
        QFETCH(QString, fertig);
        QFETCH(QString, titel);
        Kernstand k;
        k.kern.sprache = Sprache(sprache);
        k.sim.geraet.kaltstartNoetig = true;  // long enough for the waiting text to blink
        k.starten();
        QVERIFY(k.anzeige.protokoll.contains(QStringLiteral("Status ") + verbunden));
        QVERIFY(k.anzeige.protokoll.contains(QStringLiteral("Status ") + fertig));
        QVERIFY(k.anzeige.protokoll.contains(QStringLiteral("Status ") +
                                             starttexte::bitteWarten(Sprache(sprache))));
        QVERIFY(k.anzeige.protokoll.contains(QStringLiteral("Titel ") + titel));
    }

    void die_abfrage_zeigt_laufend_den_messwert() {
        Kernstand k;
        k.sim.geraet.profil = {Durchflussprofil::Art::Konstant, 75.0};
        k.starten();
        k.uhr.vergehen(1.0);
        const QStringList befehle = k.befehle(4);
        QVERIFY(befehle.count("03 02") > 50);
        QVERIFY(befehle.count("12 12") >= befehle.count("03 02") / 5 - 1);
        QCOMPARE(k.anzeige.text("lblAktMW"), QStringLiteral("7"));
        QCOMPARE(k.anzeige.text("lblAktMW1"), QStringLiteral("5.00"));
        QCOMPARE(k.kern.live.Counts, 32768);
    }

    void der_kaltstart_setzt_das_geraet_zweimal_zurueck() {
        Kernstand k;
        k.sim.geraet.kaltstartNoetig = true;
        k.starten();
        QCOMPARE(k.befehle().mid(0, 5), (QStringList{"00 00", "0B 00", "02 00", "02 00", "0B 00"}));
        const QVector<double> t = k.zeiten();
        QVERIFY(nah(t[2] - t[1], 11.0));  // 1 s after the single byte, then 10 s
        QVERIFY(nah(t[3] - t[2], 4.0));
        QVERIFY(nah(t[4] - t[3], 4.0 + 35.0));  // the meter stays silent, so the full 35 s pass
        for (const char* text :
             {starttexte::Wartezeit10, starttexte::Kaltstart1, starttexte::Kaltstart2})
            QVERIFY(
                k.anzeige.protokoll.contains(QStringLiteral("Status ") + QString::fromUtf8(text)));
        QVERIFY(k.anzeige.protokoll.count("Lampe Rot") > 10);  // blinking while waiting
        QCOMPARE(k.kern.geraet.Fertigungsnummer, QStringLiteral("QO24031507"));
        QVERIFY(k.dialoge.gezeigt.isEmpty());
    }

    void ohne_antwort_wird_offline_weitergearbeitet_data() {
        QTest::addColumn<int>("knopf");
        QTest::newRow("OK") << int(Antwort::Ok);
        QTest::newRow("Cancel") << int(Antwort::Abbrechen);
    }
    void ohne_antwort_wird_offline_weitergearbeitet() {
        QFETCH(int, knopf);
        Kernstand k;
        k.kern.einstellungen.einheit.Umrechnungsfaktor = 60.0;
        k.sim.leitung.fehler.stumm = 1;
        k.dialoge.antworten = {Antwort(knopf)};
        k.starten();
        QCOMPARE(k.befehle(), QStringList{"00 00"});
        QCOMPARE(k.dialoge.texte(), QStringList{"Text 13"});
        QCOMPARE(k.dialoge.gezeigt[0].titel, QStringLiteral("Text 14"));
        QVERIFY(!k.kern.zustand.Verbunden);
        QVERIFY(k.anzeige.protokoll.contains("Lampe Grau"));
        if (Antwort(knopf) == Antwort::Abbrechen) {
            QVERIFY(k.dialoge.beendet);
            return;
        }
        for (const char* z :
             {"mnuhaupt(0) aktiv an", "mnuhaupt(1) aktiv an", "mnudatei(1) aktiv an",
              "mnudatei(7) aktiv aus", "frmND.cmdNDspeichern aktiv aus",
              "frmND.cmdNDLesen aktiv aus", "regkor2(1) aktiv an"})
            QVERIFY2(k.anzeige.protokoll.contains(QLatin1String(z)), z);
        QCOMPARE(k.kern.geraet.MEW, 1.0f);  // the whole part of 100 / 60
        QCOMPARE(k.kern.geraet.MOG, 1.0f);
        QCOMPARE(k.kern.geraet.Filterfaktor, 46958);
        k.uhr.vergehen(5.0);
        QCOMPARE(k.befehle().size(), 1);
    }

    void eine_abgerissene_verbindung_stoppt_die_abfrage() {
        Kernstand k;
        k.starten();
        k.uhr.vergehen(0.5);
        k.sim.leitung.fehler.weg = true;
        k.uhr.vergehen(2.0);
        QCOMPARE(k.dialoge.texte(), QStringList{"Text 13"});
        QVERIFY(!k.kern.TimCounts().aktiv());
        QCOMPARE(k.anzeige.lampe(), Lampe::Grau);
        QVERIFY(k.anzeige.protokoll.endsWith("AnzAnalog sichtbar aus"));
        for (const char* z :
             {"mnuhaupt(1) aktiv an", "mnudatei(7) aktiv aus", "frmND.cmdNDspeichern aktiv aus",
              "frmND.cmdNDLesen aktiv aus", "raAktuell sichtbar aus", "Picdisconnect"})
            QVERIFY2(k.anzeige.protokoll.mid(k.anzeige.protokoll.lastIndexOf("TimCounts aus"))
                         .contains(QLatin1String(z)),
                     z);
        const int gesendet = k.rahmen().size();
        k.uhr.vergehen(5.0);
        QCOMPARE(k.rahmen().size(), gesendet);
    }

    void fuenf_nak_in_folge_zeigen_text_17_einmal() {
        Kernstand k;
        k.starten();
        k.sim.leitung.fehler.nak = 7;
        k.uhr.vergehen(5.0);
        QCOMPARE(k.dialoge.texte(), QStringList{"Text 17"});
        QVERIFY(k.kern.TimCounts().aktiv() || k.kern.belegt());
    }

    void eine_kurze_counts_antwort_zeigt_text_18() {
        Kernstand k;
        k.starten();
        k.sim.leitung.fehler.abschneidenAuf = 2;
        k.sim.leitung.fehler.skript = {Stoerung::Kurz};
        k.uhr.vergehen(0.1);
        QCOMPARE(k.dialoge.texte(), QStringList{"Text 18"});
    }

    void unterspannung_faerbt_die_werte_rot_und_wieder_zurueck() {
        Kernstand k;
        k.starten();
        k.sim.geraet.fehlercode = 17;
        k.uhr.vergehen(0.5);
        QVERIFY(k.kern.live.Unterspannung);
        QCOMPARE(k.anzeige.zu("lblAktMW").filter("Textfarbe").last(),
                 QStringLiteral("lblAktMW Textfarbe #ff0000"));
        QVERIFY(
            k.anzeige.protokoll.contains("Status Unterspannung aktiv! Ausgänge sind deaktiviert."));
        QCOMPARE(k.anzeige.text("lblANAOUT1"), QStringLiteral("0"));
        k.sim.geraet.fehlercode = 0;
        k.uhr.vergehen(0.5);
        QVERIFY(!k.kern.live.Unterspannung);
        QCOMPARE(k.anzeige.zu("lblANAOUT").filter("Textfarbe").last(),
                 QStringLiteral("lblANAOUT Textfarbe #80000017"));
    }

    void waehrend_eines_vorgangs_sendet_kein_zweiter() {
        Kernstand k;
        k.sim.geraet.kaltstartNoetig = true;
        // In the middle of the cold start's 10 s pause the polling and the
        // start-up timer are switched on, as a click or a stray tick would.
        k.uhr.um(6.0, [&] {
            k.kern.TimCounts().an();
            k.kern.TimCheckVerb().an();
        });
        k.starten();
        QCOMPARE(k.befehle().mid(0, 5), (QStringList{"00 00", "0B 00", "02 00", "02 00", "0B 00"}));
        QVERIFY(!k.befehle().mid(0, 6).contains("03 02"));
    }
};

QTEST_GUILESS_MAIN(TstStart)
#include "tst_start.moc"
