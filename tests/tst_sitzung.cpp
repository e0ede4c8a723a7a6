#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "files/settings_file.h"
#include "support/dateien.h"
#include "support/pruefstand.h"
#include "ui/frm_nd.h"
#include "session/info_texts.h"
#include "files/program_folder.h"
#include "ui/sitzung.h"

namespace {

// A program folder with the shipped files, a settings file and, unless it is
// the first start, the language marker; a session on the simulated meter.
struct Start {
    explicit Start(const QByteArray& einstellungen, bool erststart = false) {
        for (const QString& d : programmordner::ausgelieferteDateien())
            QFile::copy(QStringLiteral(ORBIS_DATA "/") + d, ordner.filePath(d));
        schreibe(ordner.filePath(QStringLiteral("Q_orbis.CON")), einstellungen);
        if (!erststart) schreibe(ordner.filePath(QStringLiteral("irgendwas.spr")), "Deutsch\r\n");
        QDir(ordner.path()).mkdir(QStringLiteral("ports"));
        QFile::link(QStringLiteral("/dev/null"), ordner.filePath(QStringLiteral("ports/com4")));
        sitzung = std::make_unique<Sitzung>(p.sim.port, p.uhr, p.dialoge, ordner.path(), [] {
            return QStringList{"/dev/ttyS0", "/dev/ttyUSB0"};
        });
        p.sim.port.schliessen();
    }

    QWidget* element(const char* name) {
        return sitzung->fenster().element(QString::fromUtf8(name));
    }
    bool sichtbar(const char* name) { return !element(name)->isHidden(); }
    void klick(const char* name) { qobject_cast<QAbstractButton*>(element(name))->click(); }
    QByteArray einstellungsdatei() { return lies(ordner.filePath(QStringLiteral("Q_orbis.CON"))); }

    QTemporaryDir ordner;
    Pruefstand p;
    std::unique_ptr<Sitzung> sitzung;
};

const QByteArray Com1Deutsch = "Com1\r\n1\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n";

}  // namespace

// Given a program folder and a meter, when the tool starts, then it asks for
// the language or the port as needed and touches the meter only afterwards.
class TstSitzung : public QObject {
    Q_OBJECT

private slots:
    void beim_ersten_start_wird_erst_die_sprache_gewaehlt_data() {
        QTest::addColumn<QString>("flagge");
        QTest::addColumn<int>("sprache");
        QTest::addColumn<QByteArray>("marke");
        QTest::newRow("German") << "ImDeutsch" << int(Sprache::Deutsch)
                                << QByteArray("Deutsch\r\n");
        QTest::newRow("English") << "ImEng" << int(Sprache::Englisch) << QByteArray("Englisch\r\n");
        QTest::newRow("French") << "ImFranz" << int(Sprache::Franzoesisch)
                                << QByteArray("Franzoesisch\r\n");
    }
    void beim_ersten_start_wird_erst_die_sprache_gewaehlt() {
        QFETCH(QString, flagge);
        QFETCH(int, sprache);
        QFETCH(QByteArray, marke);
        Start s(Com1Deutsch, true);
        s.sitzung->laden();
        QVERIFY(s.sichtbar("raSpracheBeginn"));
        QVERIFY(!s.sichtbar("raKopf"));
        s.p.uhr.vergehen(10.0);
        QVERIFY(s.p.rahmen().isEmpty());

        s.klick(qPrintable(flagge));
        const infotexte::Meldung info = infotexte::erststart(Sprache(sprache));
        QCOMPARE(s.p.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.p.dialoge.gezeigt[0].text, info.text);
        QCOMPARE(s.p.dialoge.gezeigt[0].titel, info.titel);
        QCOMPARE(s.p.dialoge.gezeigt[0].symbol, Symbol::Information);
        QCOMPARE(lies(s.ordner.filePath(QStringLiteral("Q_orbis.SPR"))), marke);
        QVERIFY(s.einstellungsdatei().contains("\r\n" + marke));
        QVERIFY(!s.sichtbar("raSpracheBeginn"));
        QVERIFY(s.sichtbar("raKopf"));
        QVERIFY(s.p.rahmen().isEmpty());
        s.p.uhr.vergehen(1.0);
        QCOMPARE(s.p.rahmen().value(0), hex("00 00"));
    }

    void die_erststartmeldung_hat_ihre_trenner() {
        const QString de = infotexte::erststart(Sprache::Deutsch).text;
        QVERIFY(
            de.startsWith(QStringLiteral("Bitte beachten !\r\n\nDefault Einstellungen sind "
                                         ":\r\n\nSchnittstelle - Com1\r\nEinheit - kg/h\r\n\n")));
        QVERIFY(de.endsWith(QStringLiteral(
            "Konfiguration <<\r\nMenüpunkt >> Einheit wählen << eine andere Einheit auszuwählen")));
        const QString fr = infotexte::erststart(Sprache::Franzoesisch).text;
        QVERIFY(
            fr.endsWith(QStringLiteral("sous menu >> choix de l'unité <<.\r\n\nchoisir veuillez "
                                       "agréer mes salutations distinguées")));
        QCOMPARE(fr.count(QStringLiteral("\r\n")), 8);
    }

    void ein_gewaehlter_start_prueft_nach_einer_sekunde_die_verbindung() {
        Start s(Com1Deutsch);
        s.sitzung->laden();
        QVERIFY(!s.sichtbar("raSpracheBeginn"));
        QVERIFY(s.sitzung->timCheckVerb().aktiv());
        QCOMPARE(s.sitzung->fenster().windowTitle(),
                 QStringLiteral("Konfiguration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1"));
        s.p.uhr.vergehen(0.99);
        QVERIFY(s.p.rahmen().isEmpty());
        s.p.uhr.vergehen(0.02);
        QCOMPARE(s.p.rahmen().value(0), hex("00 00"));
        QVERIFY(!s.sitzung->timCheckVerb().aktiv());
    }

    void ohne_port_wird_die_schnittstellenwahl_gezeigt() {
        Start s("Com0\r\n0\r\nLPT1\r\nEnglisch\r\nkg/h\r\n1\r\n\r\n\r\n");
        s.sitzung->laden();
        QVERIFY(s.sichtbar("raSchnittstellen"));
        QVERIFY(!s.sichtbar("raAktuell"));
        QCOMPARE(s.sitzung->fenster().regkor2()->currentIndex(), 0);
        QCOMPARE(
            s.sitzung->fenster().statusPanel()->text(),
            QStringLiteral("Installation and/or selection of the serial interface required !"));
        QVERIFY(!s.sitzung->timCheckVerb().aktiv());
        s.p.uhr.vergehen(5.0);
        QVERIFY(s.p.rahmen().isEmpty());
    }

    void ein_port_der_sich_nicht_oeffnen_laesst_wird_als_null_gespeichert() {
        Start s(Com1Deutsch);
        s.p.sim.leitung.fehler.weg = true;
        s.sitzung->laden();
        QVERIFY(s.p.dialoge.gezeigt.isEmpty());
        QVERIFY(s.einstellungsdatei().startsWith("Com1\r\n0\r\n"));
        QVERIFY(!s.sitzung->timCheckVerb().aktiv());
    }

    void nach_dem_laden_ist_nur_die_verbindung_freigegeben() {
        Start s(Com1Deutsch);
        s.sitzung->laden();
        Hauptfenster& f = s.sitzung->fenster();
        QVERIFY(f.menueEintrag(Menue::mnuhaupt, 1)->isEnabled());
        for (int i : {0, 2, 3})
            QVERIFY(!f.menueEintrag(Menue::mnuhaupt, i)->isEnabled());
        for (int i : {0, 1})
            QVERIFY(!f.menueEintrag(Menue::mnusicher, i)->isEnabled());
        QVERIFY(!f.frmND().findChild<QWidget*>(QStringLiteral("cmdNDspeichern"))->isEnabled());
        QCOMPARE(f.regkor2()->currentIndex(), 2);
        for (int i = 1; i <= 3; ++i)
            QVERIFY(!f.regkor2()->isTabEnabled(i));
        QVERIFY(!s.sichtbar("Picconnect"));
        QVERIFY(s.sichtbar("Picdisconnect"));
    }

    void eine_fehlende_sprachdatei_wird_gemeldet_data() {
        QTest::addColumn<int>("knopf");
        QTest::newRow("OK goes on") << int(Antwort::Ok);
        QTest::newRow("Cancel ends") << int(Antwort::Abbrechen);
    }
    void eine_fehlende_sprachdatei_wird_gemeldet() {
        QFETCH(int, knopf);
        Start s(Com1Deutsch);
        QFile::remove(s.ordner.filePath(QStringLiteral("Texte.ger")));
        s.p.dialoge.antworten = {Antwort(knopf)};
        s.sitzung->laden();
        QCOMPARE(s.p.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.p.dialoge.gezeigt[0].text, QStringLiteral("Datei Texte.GER nicht vorhanden !"));
        QCOMPARE(s.p.dialoge.gezeigt[0].titel, QStringLiteral("Fehler Datei lesen"));
        QCOMPARE(s.p.dialoge.gezeigt[0].symbol, Symbol::Warnung);
        QCOMPARE(s.p.dialoge.beendet, Antwort(knopf) == Antwort::Abbrechen);
    }

    void die_portliste_zeigt_geraete_und_verknuepfungen() {
        Start s(Com1Deutsch);
        s.sitzung->laden();
        s.sitzung->fenster().menueEintrag(Menue::mnuverbindung, 0)->trigger();
        QVERIFY(s.sichtbar("raSchnittstellen"));
        QVERIFY(!s.p.sim.port.portOpen());
        auto* liste = s.sitzung->fenster().element<QComboBox>(QStringLiteral("cbCom"));
        QStringList eintraege;
        for (int i = 0; i < liste->count(); ++i)
            eintraege << liste->itemText(i);
        QCOMPARE(eintraege, (QStringList{"1", "4", "101"}));
        QCOMPARE(liste->currentText(), QStringLiteral("1"));
        liste->activated(1);
        QVERIFY(s.einstellungsdatei().startsWith("Com4\r\n4\r\n"));
        QCOMPARE(s.sitzung->fenster().element<QLabel>(QStringLiteral("lblPortPfad"))->text(),
                 s.ordner.filePath(QStringLiteral("ports/com4")));
        s.klick("optLPT_1");
        QVERIFY(s.einstellungsdatei().contains("\r\nLPT2\r\n"));
    }

    void ok_in_der_portwahl_oeffnet_den_port_und_prueft_die_verbindung() {
        Start s("Com0\r\n0\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n\r\n\r\n");
        s.sitzung->laden();
        s.sitzung->fenster().element<QComboBox>(QStringLiteral("cbCom"))->activated(0);
        s.klick("cmdSchnittstellen");
        QVERIFY(s.p.sim.port.portOpen());
        QVERIFY(!s.sichtbar("raSchnittstellen"));
        s.p.uhr.vergehen(1.0);
        QCOMPARE(s.p.rahmen().value(0), hex("00 00"));
    }

    void ein_fehlender_port_bei_ok_wird_gemeldet() {
        Start s("Com0\r\n0\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n\r\n\r\n");
        s.sitzung->laden();
        s.p.sim.leitung.fehler.weg = true;
        s.klick("cmdSchnittstellen");
        QCOMPARE(s.p.dialoge.gezeigt.size(), 1);
        QCOMPARE(s.p.dialoge.gezeigt[0].text, s.sitzung->texte[7]);
        QCOMPARE(s.p.dialoge.gezeigt[0].titel, s.sitzung->texte[6]);
        QCOMPARE(s.p.dialoge.gezeigt[0].symbol, Symbol::Kritisch);
        QCOMPARE(s.sitzung->anzeige().lampe(), Lampe::Grau);
        QVERIFY(!s.sitzung->timCheckVerb().aktiv());
    }

    void die_sprache_laesst_sich_ueber_das_menue_wechseln() {
        Start s(Com1Deutsch);
        s.sitzung->laden();
        s.sitzung->fenster().menueEintrag(Menue::mnudatei, 7)->trigger();
        QVERIFY(s.sichtbar("raSprache"));
        QVERIFY(!s.sichtbar("raAktuell"));
        QVERIFY(!s.sitzung->timCheckVerb().aktiv());
        s.klick("ImSprache_2");
        QCOMPARE(s.sitzung->fenster().menueEintrag(Menue::mnuhaupt, 1)->text(),
                 QStringLiteral("&Liaison"));
        QVERIFY(s.einstellungsdatei().contains("\r\nFranzoesisch\r\n"));
        QVERIFY(!s.sichtbar("raSprache"));
        QVERIFY(s.sichtbar("raAktuell"));
        QVERIFY(s.sitzung->texte[13].startsWith(QStringLiteral("L'appareil ne répond pas.")));
    }

    void info_nennt_die_version() {
        Start s(Com1Deutsch);
        s.sitzung->laden();
        s.sitzung->fenster().menueEintrag(Menue::mnuHilfe, 1)->trigger();
        QCOMPARE(s.p.dialoge.texte(),
                 QStringList{"Version 1.0.0, Software Veltrano KRN410-Q Orbis, ohne Support "});
        QCOMPARE(s.p.dialoge.gezeigt[0].titel, QStringLiteral("Info"));
    }

    void schliessen_oder_beenden_beendet_das_programm() {
        Start s(Com1Deutsch);
        s.sitzung->laden();
        s.sitzung->fenster().menueEintrag(Menue::mnudatei, 15)->trigger();
        QVERIFY(s.p.dialoge.beendet);
        QVERIFY(!s.sitzung->timCheckVerb().aktiv());
        s.p.uhr.vergehen(2.0);
        QVERIFY(s.p.rahmen().isEmpty());
    }
};

QTEST_MAIN(TstSitzung)
#include "tst_sitzung.moc"
