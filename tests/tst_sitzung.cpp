#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "files/program_folder.h"
#include "session/info_texts.h"
#include "support/bench.h"
#include "support/dateien.h"
#include "ui/app.h"
#include "ui/frm_nd.h"

namespace {

const QStringList StateControls =
    QStringLiteral(
        "mnuhaupt_0 mnuhaupt_1 mnuhaupt_2 mnuhaupt_3 mnusicher_0 mnusicher_1 mnudatei_7 regkor2_1 "
        "regkor2_2 regkor2_3 frmND.cmdNDLesen frmND.cmdNDspeichern raSpracheBeginn raKopf "
        "raSchnittstellen raSprache raAktuell AnzAnalog Picconnect Picdisconnect")
        .split(' ');

// A program folder with the shipped files, a settings file and, unless it is
// the first start, the language marker; the tool with its window on the
// simulated meter, whose port the tool opens itself, loaded after `before`.
struct Start {
    explicit Start(const QByteArray& settings, const std::function<void(Start&)>& before = {},
                   bool firstStart = false) {
        for (const QString& d : programmordner::ausgelieferteDateien())
            QFile::copy(QStringLiteral(ORBIS_DATA "/") + d, folder.filePath(d));
        schreibe(folder.filePath(QStringLiteral("Q_orbis.CON")), settings);
        if (!firstStart) schreibe(folder.filePath(QStringLiteral("irgendwas.spr")), "Deutsch\r\n");
        QDir(folder.path()).mkdir(QStringLiteral("ports"));
        QFile::link(QStringLiteral("/dev/null"), folder.filePath(QStringLiteral("ports/com4")));
        app = std::make_unique<App>(b.sim.port, b.clock, b.dialogs, folder.path(), [] {
            return QStringList{"/dev/ttyS0", "/dev/ttyUSB0"};
        });
        b.sim.port.schliessen();
        if (before) before(*this);
        app->load();
    }

    Hauptfenster& window() { return app->window(); }
    Session& session() { return app->session(); }
    QString text(const char* label) { return window().element<QLabel>(label)->text(); }
    void use(const QString& name) {
        auto* a = window().findChild<QAction*>(name);
        a ? a->trigger() : window().element<QAbstractButton>(name)->click();
    }
    QByteArray settingsFile() { return lies(folder.filePath(QStringLiteral("Q_orbis.CON"))); }
    // Whether a menu entry, tab or button is usable, or a frame or picture shown.
    bool on(const QString& name) {
        if (name.startsWith(QLatin1String("regkor2_")))
            return window().regkor2()->isTabEnabled(name.mid(8).toInt());
        if (name.startsWith(QLatin1String("frmND.")))
            return window().frmND().findChild<QWidget*>(name.mid(6))->isEnabled();
        if (auto* a = window().findChild<QAction*>(name)) return a->isEnabled();
        return !window().element(name)->isHidden();
    }
    // Which of the controls that follow the session's state are usable or shown.
    QStringList on() {
        QStringList l = StateControls;
        l.removeIf([this](const QString& name) { return !on(name); });
        return l;
    }

    QTemporaryDir folder;
    Bench b;
    std::unique_ptr<App> app;
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
        Start s(Com1Deutsch, {}, true);
        QVERIFY(s.on("raSpracheBeginn"));
        QVERIFY(!s.on("raKopf"));
        s.b.clock.vergehen(10.0);
        QVERIFY(s.b.frames().isEmpty());
        s.use(flagge);
        const infotexte::Meldung info = infotexte::erststart(Sprache(sprache));
        QCOMPARE(s.b.dialogs.gezeigt.size(), 1);
        QCOMPARE(s.b.dialogs.gezeigt[0].text, info.text);
        QCOMPARE(s.b.dialogs.gezeigt[0].titel, info.titel);
        QCOMPARE(s.b.dialogs.gezeigt[0].symbol, Symbol::Information);
        QCOMPARE(lies(s.folder.filePath(QStringLiteral("Q_orbis.SPR"))), marke);
        QVERIFY(s.settingsFile().contains("\r\n" + marke));
        QVERIFY(!s.on("raSpracheBeginn"));
        QVERIFY(s.on("raKopf"));
        QVERIFY(s.b.frames().isEmpty());
        s.b.clock.vergehen(1.0);
        QCOMPARE(s.b.frames().value(0), hex("00 00"));
    }

    void ein_gewaehlter_start_prueft_nach_einer_sekunde_die_verbindung() {
        Start s(Com1Deutsch);
        QVERIFY(s.session().TimCheckVerb().aktiv());
        QCOMPARE(s.window().windowTitle(),
                 QStringLiteral("Konfiguration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM1"));
        QCOMPARE(s.window().regkor2()->currentIndex(), 2);
        QCOMPARE(s.on(), QStringList({"mnuhaupt_1", "mnudatei_7", "frmND.cmdNDLesen", "raKopf",
                                      "raAktuell", "AnzAnalog", "Picdisconnect"}));
        s.b.clock.vergehen(0.99);
        QVERIFY(s.b.frames().isEmpty());
        s.b.clock.vergehen(0.02);
        QCOMPARE(s.b.frames().value(0), hex("00 00"));
        QVERIFY(!s.session().TimCheckVerb().aktiv());
        QCOMPARE(s.on(), QStringList({"mnuhaupt_0", "mnuhaupt_1", "mnuhaupt_2", "mnuhaupt_3",
                                      "mnusicher_1", "mnudatei_7", "regkor2_1", "regkor2_2",
                                      "regkor2_3", "frmND.cmdNDLesen", "raKopf", "raAktuell",
                                      "AnzAnalog", "Picconnect"}));
    }

    void without_a_meter_the_connection_and_the_pages_stay_usable() {
        Start s(Com1Deutsch, [](Start& t) { t.b.sim.leitung.fehler.stumm = 1; });
        s.b.clock.vergehen(5.0);
        QCOMPARE(s.b.dialogs.gezeigt.size(), 1);
        QCOMPARE(s.on(), QStringList({"mnuhaupt_0", "mnuhaupt_1", "regkor2_1", "regkor2_2",
                                      "regkor2_3", "raKopf", "AnzAnalog", "Picdisconnect"}));
    }

    void ohne_port_wird_die_schnittstellenwahl_gezeigt() {
        Start s("Com0\r\n0\r\nLPT1\r\nEnglisch\r\nkg/h\r\n1\r\n\r\n\r\n");
        QVERIFY(s.on("raSchnittstellen"));
        QVERIFY(!s.on("raAktuell"));
        QCOMPARE(s.window().regkor2()->currentIndex(), 0);
        QCOMPARE(
            s.window().statusPanel()->text(),
            QStringLiteral("Installation and/or selection of the serial interface required !"));
        QVERIFY(!s.session().TimCheckVerb().aktiv());
        s.b.clock.vergehen(5.0);
        QVERIFY(s.b.frames().isEmpty());
    }

    void ein_port_der_sich_nicht_oeffnen_laesst_wird_als_null_gespeichert() {
        Start s(Com1Deutsch, [](Start& t) { t.b.sim.leitung.fehler.weg = true; });
        QVERIFY(s.b.dialogs.gezeigt.isEmpty());
        QVERIFY(s.settingsFile().startsWith("Com1\r\n0\r\n"));
        QVERIFY(!s.session().TimCheckVerb().aktiv());
    }

    void eine_fehlende_sprachdatei_wird_gemeldet_data() {
        QTest::addColumn<int>("knopf");
        QTest::newRow("OK goes on") << int(Antwort::Ok);
        QTest::newRow("Cancel ends") << int(Antwort::Abbrechen);
    }
    void eine_fehlende_sprachdatei_wird_gemeldet() {
        QFETCH(int, knopf);
        Start s(Com1Deutsch, [knopf](Start& t) {
            QFile::remove(t.folder.filePath(QStringLiteral("Texte.ger")));
            t.b.dialogs.antworten = {Antwort(knopf)};
        });
        QCOMPARE(s.b.dialogs.gezeigt.size(), 1);
        QCOMPARE(s.b.dialogs.gezeigt[0].text, QStringLiteral("Datei Texte.GER nicht vorhanden !"));
        QCOMPARE(s.b.dialogs.gezeigt[0].titel, QStringLiteral("Fehler Datei lesen"));
        QCOMPARE(s.b.dialogs.gezeigt[0].symbol, Symbol::Warnung);
        QCOMPARE(s.b.dialogs.beendet, Antwort(knopf) == Antwort::Abbrechen);
    }

    void die_portliste_zeigt_geraete_und_verknuepfungen() {
        Start s(Com1Deutsch);
        s.use(QStringLiteral("mnuverbindung_0"));
        QVERIFY(s.on("raSchnittstellen"));
        QVERIFY(!s.b.sim.port.portOpen());
        auto* list = s.window().element<QComboBox>(QStringLiteral("cbCom"));
        QCOMPARE(list->count(), 3);
        QCOMPARE((QStringList{list->itemText(0), list->itemText(1), list->itemText(2)}),
                 (QStringList{"1", "4", "101"}));
        QCOMPARE(list->currentText(), QStringLiteral("1"));
        list->activated(1);
        QVERIFY(s.settingsFile().startsWith("Com4\r\n4\r\n"));
        QCOMPARE(s.text("lblPortPfad"), s.folder.filePath(QStringLiteral("ports/com4")));
        s.use(QStringLiteral("optLPT_1"));
        QVERIFY(s.settingsFile().contains("\r\nLPT2\r\n"));
    }

    void ok_in_der_portwahl_oeffnet_den_port_und_prueft_die_verbindung() {
        Start s("Com0\r\n0\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n\r\n\r\n");
        s.window().element<QComboBox>(QStringLiteral("cbCom"))->activated(0);
        s.use(QStringLiteral("cmdSchnittstellen"));
        QVERIFY(s.b.sim.port.portOpen());
        QVERIFY(!s.on("raSchnittstellen"));
        s.b.clock.vergehen(1.0);
        QCOMPARE(s.b.frames().value(0), hex("00 00"));
    }

    void ein_fehlender_port_bei_ok_wird_gemeldet() {
        Start s("Com0\r\n0\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n\r\n\r\n");
        s.b.sim.leitung.fehler.weg = true;
        s.use(QStringLiteral("cmdSchnittstellen"));
        QCOMPARE(s.b.dialogs.gezeigt.size(), 1);
        QCOMPARE(s.b.dialogs.gezeigt[0].text, s.session().texts[7]);
        QCOMPARE(s.b.dialogs.gezeigt[0].titel, s.session().texts[6]);
        QCOMPARE(s.b.dialogs.gezeigt[0].symbol, Symbol::Kritisch);
        QCOMPARE(s.session().display.background(QStringLiteral("Lampe")), color::Grey);
        QVERIFY(!s.session().TimCheckVerb().aktiv());
    }

    void die_sprache_laesst_sich_ueber_das_menue_wechseln() {
        Start s("Com2\r\n2\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n");
        s.session().geraet.Ueberlauf = 1;
        s.window().regkor2()->setCurrentIndex(0);  // the technician's own choice of page
        s.use(QStringLiteral("mnudatei_7"));
        QVERIFY(s.on("raSprache"));
        QVERIFY(!s.on("raAktuell"));
        QVERIFY(!s.session().TimCheckVerb().aktiv());
        s.use(QStringLiteral("ImSprache_2"));
        QCOMPARE(s.window().menueEintrag(Menue::mnuhaupt, 1)->text(), QStringLiteral("&Liaison"));
        QCOMPARE(s.window().windowTitle(),
                 QStringLiteral("Configuration Veltrano KRN410-Q Orbis [Version 1.0.0] an COM2"));
        QCOMPARE(s.text("lblUeberlauf"), QStringLiteral("Dépassement actif"));
        QCOMPARE(s.text("lblKonfULAkt"), QStringLiteral("actif"));
        QVERIFY(s.settingsFile().contains("\r\nFranzoesisch\r\n"));
        QVERIFY(!s.on("raSprache"));
        QVERIFY(s.on("raAktuell"));
        QVERIFY(s.session().texts[13].startsWith(QStringLiteral("L'appareil ne répond pas.")));
        QCOMPARE(s.window().regkor2()->currentIndex(), 0);  // new captions, same page
    }

    void info_nennt_die_version() {
        Start s(Com1Deutsch);
        s.use(QStringLiteral("mnuHilfe_1"));
        QCOMPARE(s.b.dialogs.texte(),
                 QStringList{"Version 1.0.0, Software Veltrano KRN410-Q Orbis, ohne Support "});
        QCOMPARE(s.b.dialogs.gezeigt[0].titel, QStringLiteral("Info"));
    }

    void schliessen_oder_beenden_beendet_das_programm() {
        Start s(Com1Deutsch);
        s.use(QStringLiteral("mnudatei_15"));
        QVERIFY(s.b.dialogs.beendet);
        QVERIFY(!s.session().TimCheckVerb().aktiv());
        s.b.clock.vergehen(2.0);
        QVERIFY(s.b.frames().isEmpty());
    }
};

QTEST_MAIN(TstSitzung)
#include "tst_sitzung.moc"
