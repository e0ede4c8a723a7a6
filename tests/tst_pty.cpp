#include <QProcess>
#include <QtTest>

#include "device/eeprom_auswerten.h"
#include "session/headless.h"
#include "support/sim_process.h"

namespace {

struct ReaderResult {
    int code = -1;
    QString out;
    QString fault;
};

ReaderResult runReader(const QString& port) {
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
        SimProcess sim;
        QVERIFY(!sim.path().isEmpty());
        Headless tool;
        QString failure;
        QVERIFY2(tool.open(sim.path(), failure), qPrintable(failure));
        QVERIFY(tool.session.link().ConnectionTest());
        QVERIFY(tool.session.EEPromLesen());
        MeterParameters p;
        QVERIFY(EEPromAuswerten(tool.session.linkState.EEPromInhalt, p, Unit{}).ok());
        QCOMPARE(p.Fertigungsnummer, QStringLiteral("QO24031507"));
        tool.session.setCountsTimer(true);
        QVERIFY(QTest::qWaitFor([&] { return tool.session.live.Counts != 0; }, 2000));
        QCOMPARE(tool.session.display.background(QStringLiteral("Lampe")), color::Green);
        QVERIFY(!tool.dialogs.ended());
    }

    void a_vanished_meter_is_reported_once_and_noticed_by_its_silence() {
        SimProcess sim;
        Headless tool;
        int losses = 0;
        tool.port.onLoss([&](const QString&) { ++losses; });
        QString failure;
        QVERIFY(tool.open(sim.path(), failure));
        sim.stop();
        tool.session.setCountsTimer(true);
        // Nobody answers the broken-link message on a console, so the program ends.
        QVERIFY(QTest::qWaitFor([&] { return tool.dialogs.ended(); }, 3000));
        QCOMPARE(losses, 1);
        QCOMPARE(tool.session.display.background(QStringLiteral("Lampe")), color::Grey);
    }

    void a_missing_port_is_named() {
        QtSerialPort port(defaultDeviceName);
        port.setCommPort(QStringLiteral("/dev/does-not-exist"));
        QCOMPARE(port.openPort().fault, PortError::NotFound);
        QVERIFY(!port.portOpen());
    }

    void the_reader_prints_the_simulated_meter() {
        SimProcess sim;
        const ReaderResult l = runReader(sim.path());
        QCOMPARE(l.code, 0);
        QVERIFY(l.out.contains("\nFertigungsnummer = QO24031507\n"));
        QVERIFY(l.out.contains("\nStpCounts[3] = 8000\n"));
        QVERIFY(l.out.contains("\nMEW = 150\n"));
        QVERIFY(l.out.contains("\n492  56 33 2E 31 20 52 30 33 51 4F 32 34\n"));
        QVERIFY(l.out.endsWith("\n504  30 33 31 35 30 37 FF FF\n"));
    }

    void the_reader_fails_clearly_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("silent meter") << QStringList{"--silent"} << 3 << "does not answer";
        QTest::newRow("no such port") << QStringList() << 2 << "cannot open";
    }
    void the_reader_fails_clearly() {
        QFETCH(QStringList, simArgs);
        QFETCH(int, code);
        QFETCH(QString, message);
        SimProcess sim(simArgs);
        const ReaderResult l =
            runReader(simArgs.isEmpty() ? QStringLiteral("/dev/does-not-exist") : sim.path());
        QCOMPARE(l.code, code);
        QVERIFY2(l.fault.contains(message), qPrintable(l.fault));
        QVERIFY(l.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstPty)
#include "tst_pty.moc"
