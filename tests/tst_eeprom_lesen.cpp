#include <QtTest>

#include "session/link_messages.h"
#include "support/pruefstand.h"

// Given a meter whose EEPROM replies arrive whole, short or not at all, when
// the image is read, then the link stores it or retries and reports.
class TstEEPromLesen : public QObject {
    Q_OBJECT

private slots:
    void ein_vollstaendiges_abbild_wird_mit_dle_gespeichert() {
        Pruefstand p;
        QVERIFY(p.link.EEPromLesen());
        QCOMPARE(p.zustand.EEPromInhalt, antwortMit(abbild::standard()));
        QCOMPARE(p.rahmen(), QVector<QByteArray>{hex("0B 00 0B")});
        // 3 request bytes and 513 reply bytes at 9600 baud plus the meter's latency.
        QVERIFY(qAbs(p.uhr.jetzt() - (516 * Leitung::ByteZeit + p.sim.leitung.latenz)) < 1e-6);
        QVERIFY(p.dialoge.gezeigt.isEmpty());
    }

    void eine_kurze_antwort_wird_nach_einer_sekunde_neu_angefordert() {
        Pruefstand p;
        p.sim.leitung.fehler.abgeschnitten = 2;
        p.sim.leitung.fehler.abschneidenAuf = 100;
        QVERIFY(p.link.EEPromLesen());
        QCOMPARE(p.rahmen().size(), 3);
        // Each short reply is waited for 8 s, then 1 s passes before the next request.
        const QVector<double> a = p.abstaende();
        QVERIFY(qAbs(a[0] - 9.0) < 0.01 && qAbs(a[1] - 9.0) < 0.01);
        QCOMPARE(p.zustand.EEPromInhalt.size(), 513);
        QCOMPARE(p.zustand.Fehlversuche, 1);
    }

    void nach_der_fuenften_kurzen_wiederholung_kommt_die_kritische_meldung_data() {
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("titel");
        QTest::newRow("German") << int(Sprache::Deutsch) << "Bitte starten Sie das Programm neu."
                                << "Kritischer Fehler";
        QTest::newRow("English") << int(Sprache::Englisch) << "Restart your program please."
                                 << "Critical error";
        QTest::newRow("French") << int(Sprache::Franzoesisch)
                                << "relancer votre programm de nouveau."
                                << "Erreur critique";
    }
    void nach_der_fuenften_kurzen_wiederholung_kommt_die_kritische_meldung() {
        QFETCH(int, sprache);
        QFETCH(QString, text);
        QFETCH(QString, titel);
        Pruefstand p;
        p.sprache = Sprache(sprache);
        p.sim.leitung.fehler.abgeschnitten = 7;  // the first request and six retries
        p.sim.leitung.fehler.abschneidenAuf = 512;
        QVERIFY(p.link.EEPromLesen());
        QCOMPARE(p.rahmen().size(), 8);
        QCOMPARE(p.dialoge.gezeigt.size(), 1);
        QCOMPARE(p.dialoge.gezeigt[0].text, text);
        QCOMPARE(p.dialoge.gezeigt[0].titel, titel);
        QCOMPARE(p.dialoge.gezeigt[0].knoepfe, Schaltflaechen::Ok);
    }

    void nach_zehn_wiederholungen_gibt_der_link_auf() {
        Pruefstand p;
        p.zustand.EEPromInhalt = "old";
        p.sim.leitung.fehler.abgeschnitten = 1000;
        p.sim.leitung.fehler.abschneidenAuf = 1;
        QVERIFY(!p.link.EEPromLesen());
        QCOMPARE(p.rahmen().size(), 1 + Link::MaxEEPromWiederholungen);
        QCOMPARE(p.dialoge.texte(),
                 (QStringList{linktexte::neuStarten(Sprache::Deutsch),
                              linktexte::eepromAufgegeben(Sprache::Deutsch,
                                                          Link::MaxEEPromWiederholungen)}));
        QVERIFY(p.anzeige.protokoll.contains("Lampe Grau"));
        QVERIFY(p.anzeige.protokoll.contains("TimCounts aus"));
        QCOMPARE(p.zustand.EEPromInhalt, QByteArray("old"));
    }

    void eine_wiederholung_mit_nak_oder_muell_beendet_das_wiederholen_data() {
        QTest::addColumn<bool>("nak");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("NAK") << true << QString();
        QTest::newRow("garbage") << false << "Text 13";
    }
    void eine_wiederholung_mit_nak_oder_muell_beendet_das_wiederholen() {
        QFETCH(bool, nak);
        QFETCH(QString, meldung);
        Pruefstand p;
        p.sim.leitung.fehler.abschneidenAuf = 10;
        p.sim.leitung.fehler.skript = {Stoerung::Kurz, nak ? Stoerung::Nak : Stoerung::Muell};
        QVERIFY(!p.link.EEPromLesen());
        QCOMPARE(p.rahmen().size(), 2);
        QCOMPARE(p.dialoge.texte(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
        QCOMPARE(p.zustand.Fehlversuche, nak ? 1 : 0);
    }

    void abbild_bleibt_bei_fehlschlag_erhalten() {
        Pruefstand p;
        QVERIFY(p.link.EEPromLesen());
        const QByteArray erstes = p.zustand.EEPromInhalt;
        p.sim.leitung.fehler.stumm = 1;
        QVERIFY(!p.link.EEPromLesen());
        QCOMPARE(p.zustand.EEPromInhalt, erstes);
        QCOMPARE(p.dialoge.texte(), QStringList{"Text 13"});
    }
};

QTEST_GUILESS_MAIN(TstEEPromLesen)
#include "tst_eeprom_lesen.moc"
