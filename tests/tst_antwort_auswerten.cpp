#include <QtTest>

#include "link/requests.h"
#include "session/link_messages.h"
#include "support/pruefstand.h"

// Given the simulated meter answering (or failing to), when a counted
// exchange runs, then the common reply handler reacts on the window and in
// message boxes.
class TstAntwortAuswerten : public QObject {
    Q_OBJECT

private slots:
    void gute_counts_antwort_zeigt_werte_und_stellt_den_timer_wieder_an() {
        Pruefstand p;
        p.sim.geraet.profil = {Durchflussprofil::Art::Konstant, 75.0};
        p.link.CountsAnfordern(false);
        QCOMPARE(p.rahmen(), QVector<QByteArray>{hex("03 02 01")});
        QCOMPARE(p.anzeige.protokoll, (QStringList{"Lampe Gruen", "Picconnect", "Counts 32768",
                                                   "AnzAnalog sichtbar an", "TimCounts an"}));
        QVERIFY(p.dialoge.gezeigt.isEmpty());
        QCOMPARE(p.zustand.Empfangspuffer, hex("10 80 00"));
    }

    void roh_counts_folgen_der_kennlinie() {
        Pruefstand p;
        p.sim.geraet.profil = {Durchflussprofil::Art::Konstant, 100.0};
        p.link.CountsAnfordern(true);
        QCOMPARE(p.rahmen(), QVector<QByteArray>{hex("03 01 02")});
        QVERIFY(p.anzeige.protokoll.contains("Counts 45000"));
    }

    void unvollstaendige_counts_antwort_zeigt_text_18_data() {
        QTest::addColumn<int>("knopf");
        QTest::addColumn<bool>("beendet");
        QTest::newRow("OK resumes polling") << int(Antwort::Ok) << false;
        QTest::newRow("Cancel ends the program") << int(Antwort::Abbrechen) << true;
    }
    void unvollstaendige_counts_antwort_zeigt_text_18() {
        QFETCH(int, knopf);
        QFETCH(bool, beendet);
        Pruefstand p;
        p.sim.leitung.fehler.abgeschnitten = 1;
        p.sim.leitung.fehler.abschneidenAuf = 2;
        p.dialoge.antworten = {Antwort(knopf)};
        p.link.CountsAnfordern(false);
        QCOMPARE(p.dialoge.gezeigt.size(), 1);
        QCOMPARE(p.dialoge.gezeigt[0].text, QStringLiteral("Text 18"));
        QCOMPARE(p.dialoge.gezeigt[0].titel, QStringLiteral("Text 19"));
        QCOMPARE(p.dialoge.gezeigt[0].knoepfe, Schaltflaechen::OkAbbrechen);
        QCOMPARE(p.dialoge.gezeigt[0].symbol, Symbol::Kritisch);
        QCOMPARE(p.dialoge.beendet, beendet);
        QCOMPARE(p.anzeige.countsTimer, !beendet);
    }

    void counts_die_nach_einer_halben_sekunde_kommen_werden_nicht_abgewartet() {
        Pruefstand p;
        // Two of the three reply bytes arrive before the half second is over.
        p.sim.leitung.latenz = 0.494;
        p.link.CountsAnfordern(false);
        QCOMPARE(p.zustand.Empfangspuffer.size(), 2);
        QCOMPARE(p.dialoge.texte(), QStringList{"Text 18"});
        QCOMPARE(p.uhr.jetzt(), 0.5);
    }

    void keine_oder_falsche_antwort_ist_eine_gestoerte_verbindung_data() {
        QTest::addColumn<bool>("stumm");
        QTest::newRow("no reply") << true;
        QTest::newRow("blank first byte") << false;
    }
    void keine_oder_falsche_antwort_ist_eine_gestoerte_verbindung() {
        QFETCH(bool, stumm);
        Pruefstand p;
        (stumm ? p.sim.leitung.fehler.stumm : p.sim.leitung.fehler.muell) = 1;
        p.link.CountsAnfordern(false);
        QCOMPARE(p.anzeige.protokoll,
                 (QStringList{"mnudatei(7) aktiv aus", "frmND.cmdNDspeichern aktiv aus",
                              "frmND.cmdNDLesen aktiv aus", "TimCounts aus",
                              "raAktuell sichtbar aus", "Lampe Grau", "Picdisconnect",
                              "mnuhaupt(1) aktiv an", "AnzAnalog sichtbar aus"}));
        QCOMPARE(p.dialoge.texte(), QStringList{"Text 13"});
        QCOMPARE(p.dialoge.gezeigt[0].titel, QStringLiteral("Text 14"));
        QVERIFY(!p.dialoge.beendet);
    }

    void abbrechen_bei_gestoerter_verbindung_beendet_das_programm_und_sendet_nichts_mehr() {
        Pruefstand p;
        p.sim.leitung.fehler.stumm = 1;
        p.dialoge.antworten = {Antwort::Abbrechen};
        p.link.CountsAnfordern(false);
        QVERIFY(p.dialoge.beendet);
        QVERIFY(!p.anzeige.protokoll.contains("mnuhaupt(1) aktiv an"));
        p.link.CountsAnfordern(false);
        p.link.readError();
        QCOMPARE(p.rahmen().size(), 1);
    }

    void der_fuenfte_nak_in_folge_zeigt_text_17_einmal() {
        Pruefstand p;
        p.sim.leitung.fehler.nak = 7;
        for (int i = 0; i < 7; ++i)
            p.link.CountsAnfordern(false);
        QCOMPARE(p.dialoge.texte(), QStringList{"Text 17"});
        QCOMPARE(p.dialoge.gezeigt[0].titel, QStringLiteral("Text 8"));
        QCOMPARE(p.zustand.Fehlversuche, 7);
        QCOMPARE(p.anzeige.protokoll.count("TimCounts an"), 7);
    }

    void ein_dle_dazwischen_setzt_die_zaehlung_zurueck() {
        Pruefstand p;
        p.sim.leitung.fehler.nak = 4;
        for (int i = 0; i < 5; ++i)
            p.link.CountsAnfordern(false);
        QCOMPARE(p.zustand.Fehlversuche, 0);
        p.sim.leitung.fehler.nak = 4;
        for (int i = 0; i < 4; ++i)
            p.link.CountsAnfordern(false);
        QVERIFY(p.dialoge.gezeigt.isEmpty());
    }

    void abbrechen_beim_fuenften_nak_beendet_das_programm() {
        Pruefstand p;
        p.sim.leitung.fehler.nak = 5;
        p.dialoge.antworten = {Antwort::Abbrechen};
        for (int i = 0; i < 5; ++i)
            p.link.CountsAnfordern(false);
        QVERIFY(p.dialoge.beendet);
        QCOMPARE(p.anzeige.protokoll.count("TimCounts an"), 4);
    }

    void verbindungstest_wartet_auf_das_dle_data() {
        QTest::addColumn<int>("muell");
        QTest::addColumn<int>("stumm");
        QTest::addColumn<bool>("verbunden");
        QTest::addColumn<double>("dauer");
        QTest::newRow("answers") << 0 << 0 << true << 0.006;
        QTest::newRow("silent") << 0 << 1 << false << 2.0;
        QTest::newRow("garbage") << 1 << 0 << false << 2.0;
    }
    void verbindungstest_wartet_auf_das_dle() {
        QFETCH(int, muell);
        QFETCH(int, stumm);
        QFETCH(bool, verbunden);
        QFETCH(double, dauer);
        Pruefstand p;
        p.sim.leitung.fehler.muell = muell;
        p.sim.leitung.fehler.stumm = stumm;
        QCOMPARE(p.link.Verbindungstest(), verbunden);
        QCOMPARE(p.zustand.Verbunden, verbunden);
        QCOMPARE(p.rahmen(), QVector<QByteArray>{hex("00 00")});
        QVERIFY(p.uhr.jetzt() <= dauer + 0.001);
        QVERIFY(p.uhr.jetzt() >= dauer - 0.003);
        QVERIFY(p.dialoge.gezeigt.isEmpty());
    }

    void verbindungstest_findet_das_dle_hinter_altem_muell() {
        Pruefstand p;
        p.sim.port.liefere(hex("FF FF"));  // stale bytes from before
        QVERIFY(p.link.Verbindungstest());
    }

    void fehlerabfrage_schreibt_die_fehlerzeile_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("EEPROM time-out") << 6 << "tabError 6 | DLE EEPROM Timeout Fehler";
        QTest::newRow("under-voltage") << 17 << "tabError 17 | DLE Unterspannung erkannt";
        QTest::newRow("no error") << 0 << "tabError 0 | DLE ";
    }
    void fehlerabfrage_schreibt_die_fehlerzeile() {
        QFETCH(int, code);
        QFETCH(QString, zeile);
        Pruefstand p;
        p.sim.geraet.fehlercode = code;
        p.sim.port.liefere(hex("AA"));  // left over; discarded before asking
        p.link.readError();
        QCOMPARE(p.anzeige.protokoll, QStringList{zeile});
        QCOMPARE(p.rahmen(), QVector<QByteArray>{hex("12 12")});
        QVERIFY(qAbs(p.uhr.jetzt() - 1.0) < 1e-9);
    }

    void fehlerabfrage_ohne_antwort_meldet_sich_mit_ihrem_namen() {
        Pruefstand p;
        p.sim.leitung.fehler.stumm = 1;
        p.link.readError();
        QVERIFY(p.anzeige.protokoll.isEmpty());
        QCOMPARE(p.dialoge.gezeigt.size(), 1);
        QVERIFY(p.dialoge.gezeigt[0].text.endsWith(", SUB readError"));
    }

    void schreiben_wird_wiederholt_bis_es_angenommen_ist_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QList<Stoerung>>("stoerungen");
        QTest::addColumn<int>("versuche");
        QTest::addColumn<QByteArray>("antwort");
        const auto nak = int(Wiederholen::SolangeNAK);
        const auto dle = int(Wiederholen::BisDLE);
        QTest::newRow("accepted at once") << nak << QList<Stoerung>{} << 1 << hex("10");
        QTest::newRow("two NAKs") << nak << QList<Stoerung>{Stoerung::Nak, Stoerung::Nak} << 3
                                  << hex("10");
        QTest::newRow("no reply ends a NAK loop")
            << nak << QList<Stoerung>{Stoerung::Stumm} << 1 << QByteArray();
        QTest::newRow("no reply is retried until DLE")
            << dle << QList<Stoerung>{Stoerung::Stumm, Stoerung::Muell} << 3 << hex("10");
    }
    void schreiben_wird_wiederholt_bis_es_angenommen_ist() {
        QFETCH(int, art);
        QFETCH(QList<Stoerung>, stoerungen);
        QFETCH(int, versuche);
        QFETCH(QByteArray, antwort);
        Pruefstand p;
        p.sim.leitung.fehler.skript = stoerungen;
        QCOMPARE(p.link.austauschWiederholt(request::speichern(), Wiederholen(art)), antwort);
        QCOMPARE(p.rahmen().size(), versuche);
        QCOMPARE(p.abstaende(), QVector<double>(versuche - 1, 1.0));
        QVERIFY(p.dialoge.gezeigt.isEmpty());
    }

    void ein_geraet_das_nie_annimmt_wird_nach_zehn_versuchen_gemeldet_data() {
        QTest::addColumn<int>("knopf");
        QTest::newRow("OK") << int(Antwort::Ok);
        QTest::newRow("Cancel") << int(Antwort::Abbrechen);
    }
    void ein_geraet_das_nie_annimmt_wird_nach_zehn_versuchen_gemeldet() {
        QFETCH(int, knopf);
        Pruefstand p;
        p.sim.leitung.fehler.nak = 1000;
        p.dialoge.antworten = {Antwort(knopf)};
        QCOMPARE(p.link.austauschWiederholt(request::speichern(), Wiederholen::BisDLE, true),
                 hex("15"));
        QCOMPARE(p.rahmen().size(), Link::MaxSendeversuche);
        QCOMPARE(p.dialoge.texte(), QStringList{linktexte::nichtAngenommen(Sprache::Deutsch, 10)});
        QCOMPARE(p.dialoge.beendet, Antwort(knopf) == Antwort::Abbrechen);
    }

    void fester_austausch_liest_nach_einer_sekunde() {
        Pruefstand p;
        QCOMPARE(p.link.festerAustausch(request::speichern()), hex("10"));
        QVERIFY(qAbs(p.uhr.jetzt() - 1.0) < 1e-9);
    }
};

QTEST_GUILESS_MAIN(TstAntwortAuswerten)
#include "tst_antwort_auswerten.moc"
