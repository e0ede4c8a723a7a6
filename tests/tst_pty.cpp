#include <QProcess>
#include <QtTest>

#include "device/eeprom_auswerten.h"
#include "session/headless.h"
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

}  // namespace

// Given the simulator on a pseudo-terminal, the production serial port and
// clock, and the command-line reader work over a real line.
class TstPty : public QObject {
    Q_OBJECT

private slots:
    void the_real_port_reads_decodes_and_polls_the_meter() {
        SimProzess sim;
        QVERIFY(!sim.pfad().isEmpty());
        Headless tool;
        QString failure;
        QVERIFY2(tool.open(sim.pfad(), failure), qPrintable(failure));
        QVERIFY(tool.session.link().Verbindungstest());
        QVERIFY(tool.session.EEPromLesen());
        Geraeteparameter p;
        QVERIFY(EEPromAuswerten(tool.session.linkState.EEPromInhalt, p, Masseinheit{}).ok());
        QCOMPARE(p.Fertigungsnummer, QStringLiteral("QO24031507"));
        tool.session.setCountsTimer(true);
        QVERIFY(QTest::qWaitFor([&] { return tool.session.live.Counts != 0; }, 2000));
        QCOMPARE(tool.session.display.background(QStringLiteral("Lampe")), color::Green);
        QVERIFY(!tool.dialogs.beendet());
    }

    void a_vanished_meter_is_reported_once_and_noticed_by_its_silence() {
        SimProzess sim;
        Headless tool;
        int losses = 0;
        tool.port.beiVerlust([&](const QString&) { ++losses; });
        QString failure;
        QVERIFY(tool.open(sim.pfad(), failure));
        sim.beenden();
        tool.session.setCountsTimer(true);
        // Nobody answers the broken-link message on a console, so the program ends.
        QVERIFY(QTest::qWaitFor([&] { return tool.dialogs.beendet(); }, 3000));
        QCOMPARE(losses, 1);
        QCOMPARE(tool.session.display.background(QStringLiteral("Lampe")), color::Grey);
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
