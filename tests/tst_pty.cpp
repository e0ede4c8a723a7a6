#include <QProcess>
#include <QtTest>

#include "device/eeprom_auswerten.h"
#include "link/link.h"
#include "link/qt_serial_port.h"
#include "link/steady_clock.h"
#include "support/aufzeichnung.h"
#include "support/sim_prozess.h"

namespace {

struct Leser {
    int code = -1;
    QString aus;
    QString fehler;
};

Leser lies(const QString& port) {
    QProcess p;
    p.start(QStringLiteral(ORBIS_READER), {port});
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The real serial port with the production clock against the simulator.
struct EchterLink {
    explicit EchterLink(const QString& pfad)
        : port(standardGeraetename), link(port, uhr, zustand, ui(), anzeige) {
        port.beiDaten([this] { uhr.wecken(); });
        port.beiVerlust([this](const QString&) { ++verluste; });
        port.setCommPort(pfad);
        geoeffnet = port.oeffnen();
    }
    Oberflaeche ui() { return {anzeige, dialoge, texte, sprache}; }

    SteadyClock uhr;
    QtSerialPort port;
    AufzeichnendeAnzeige anzeige;
    SkriptDialoge dialoge;
    Texte texte;
    Sprache sprache = Sprache::Englisch;
    LinkState zustand;
    Link link;
    PortOeffnung geoeffnet;
    int verluste = 0;
};

}  // namespace

// Given the simulator on a pseudo-terminal, the production serial port and
// clock, and the command-line reader work over a real line.
class TstPty : public QObject {
    Q_OBJECT

private slots:
    void der_echte_port_liest_und_decodiert_das_abbild() {
        SimProzess sim;
        QVERIFY(!sim.pfad().isEmpty());
        EchterLink e(sim.pfad());
        QVERIFY(e.geoeffnet.ok());
        QVERIFY(e.link.Verbindungstest());
        QVERIFY(e.link.EEPromLesen());
        Geraeteparameter p;
        QVERIFY(EEPromAuswerten(e.zustand.EEPromInhalt, p, Masseinheit{}, e.ui()));
        QCOMPARE(p.Fertigungsnummer, QStringLiteral("QO24031507"));
        e.link.CountsAnfordern(false);
        QVERIFY(e.anzeige.protokoll.contains("TimCounts an"));
        QVERIFY(e.dialoge.gezeigt.isEmpty());
    }

    void ein_verschwundenes_geraet_wird_einmal_gemeldet_und_per_zeitueberschreitung_erkannt() {
        SimProzess sim;
        EchterLink e(sim.pfad());
        QVERIFY(e.geoeffnet.ok());
        sim.beenden();
        e.link.CountsAnfordern(false);
        e.link.Warten(0.2);
        QCOMPARE(e.verluste, 1);
        QCOMPARE(e.dialoge.gezeigt.size(), 1);
        QVERIFY(e.anzeige.protokoll.contains("Lampe Grau"));
    }

    void ein_nicht_vorhandener_port_wird_benannt() {
        QtSerialPort port(standardGeraetename);
        port.setCommPort(QStringLiteral("/dev/does-not-exist"));
        QCOMPARE(port.oeffnen().fehler, PortFehler::NichtVorhanden);
        QVERIFY(!port.portOpen());
    }

    void der_leser_druckt_das_simulierte_geraet() {
        SimProzess sim;
        const Leser l = lies(sim.pfad());
        QCOMPARE(l.code, 0);
        QVERIFY(l.aus.contains("\nFertigungsnummer = QO24031507\n"));
        QVERIFY(l.aus.contains("\nStpCounts[3] = 8000\n"));
        QVERIFY(l.aus.contains("\nMEW = 150\n"));
        QVERIFY(l.aus.contains("\n492  56 33 2E 31 20 52 30 33 51 4F 32 34\n"));
        QVERIFY(l.aus.endsWith("\n504  30 33 31 35 30 37 FF FF\n"));
    }

    void der_leser_scheitert_deutlich_data() {
        QTest::addColumn<QStringList>("simArgumente");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("silent meter") << QStringList{"--silent"} << 3 << "does not answer";
        QTest::newRow("no such port") << QStringList() << 2 << "cannot open";
    }
    void der_leser_scheitert_deutlich() {
        QFETCH(QStringList, simArgumente);
        QFETCH(int, code);
        QFETCH(QString, meldung);
        SimProzess sim(simArgumente);
        const Leser l =
            lies(simArgumente.isEmpty() ? QStringLiteral("/dev/does-not-exist") : sim.pfad());
        QCOMPARE(l.code, code);
        QVERIFY2(l.fehler.contains(meldung), qPrintable(l.fehler));
        QVERIFY(l.aus.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstPty)
#include "tst_pty.moc"
