#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "features/headless.h"
#include "sim/images.h"
#include "support/cli_process.h"
#include "support/file_helpers.h"
#include "support/sim_process.h"

// Given the simulator on a pseudo-terminal, the production serial port and
// clock, and the command-line tool work over a real line.
class TstPty : public QObject {
    Q_OBJECT

    // A program folder with a service password, a curve table and two snapshots.
    QTemporaryDir folder_;
    QString file(const char* name) const { return folder_.filePath(name); }

private slots:
    void initTestCase() {
        writeFile(file("Pass"), "\xB0\r\n");  // the password "a", as the tool stores it
        writeFile(file("c.csv"), "10,1\n");
        QByteArray e = images::standard();
        e[address::StpAnzahl] = 3;
        writeFile(file("curve.bin"), e);
        writeFile(file("other.bin"), e.replace(address::Fertigungsnummer, 2, "XX"));
    }

    void the_real_port_reads_decodes_and_polls_the_meter() {
        SimProcess sim;
        QVERIFY(!sim.path().isEmpty());
        Headless tool;
        QString failure;
        QVERIFY2(tool.open(sim.path(), failure), qPrintable(failure));
        QVERIFY(tool.session.link().testConnection());
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

    void read_prints_the_simulated_meter() {
        SimProcess sim;
        const CliResult l = runCli({"read", sim.path()});
        QCOMPARE(l.code, 0);
        QVERIFY(l.out.contains("\nFertigungsnummer = QO24031507\n"));
        QVERIFY(l.out.contains("\nStpCounts[3] = 500\n"));
        QVERIFY(l.out.contains("\nMEW = 150\n"));
        QVERIFY(l.out.contains("\n492  56 33 2E 31 20 52 30 33 51 4F 32 34\n"));
        QVERIFY(l.out.endsWith("\n504  30 33 31 35 30 37 FF FF\n"));
    }

    // The file holds the meter's configuration with its flows in the unit asked for.
    void save_config_writes_the_meters_configuration_data() {
        QTest::addColumn<QStringList>("unit");
        QTest::addColumn<QByteArray>("flows");  // lines 5 and 6
        QTest::newRow("kg/h") << QStringList() << QByteArray(" 150\r\n 0.5\r\n");
        QTest::newRow("kg/min") << QStringList{"--unit", "kg/min"}
                                << QByteArray(" 2.5\r\n 0.0083\r\n");
    }
    void save_config_writes_the_meters_configuration() {
        QFETCH(QStringList, unit);
        QFETCH(QByteArray, flows);
        SimProcess sim;
        QTemporaryDir folder;
        const CliResult l =
            runCli(QStringList{"save-config", sim.path(), folder.filePath("meter.txt")} + unit);
        QCOMPARE(l.code, 0);
        QFile file(folder.filePath("meter.use"));  // a three-letter extension becomes .use
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QCOMPARE(text.count("\r\n"), 17);
        QVERIFY2(text.contains("\r\n" + flows + " 18 \r\n"), text.constData());
    }

    void the_tool_fails_clearly_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("args");  // PORT stands for the simulated meter's terminal
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("silent meter")
            << QStringList{"--silent"} << QStringList{"read", "PORT"} << 3 << "does not answer";
        QTest::newRow("no such port")
            << QStringList() << QStringList{"read", "/dev/does-not-exist"} << 2 << "cannot open";
        QTest::newRow("an empty curve file is not written")
            << QStringList() << QStringList{"write-curve", "PORT", "/dev/null"} << 6
            << "/dev/null: no support points";
        QTest::newRow("unknown unit")
            << QStringList()
            << QStringList{"save-config", "PORT", "/tmp/x.use", "--unit", "furlong"} << 1
            << "no unit furlong";
        QTest::newRow("file cannot be written")
            << QStringList() << QStringList{"save-config", "PORT", "/nonexistent/dir/x.use"} << 6
            << "Fehlernummer 75";
        QTest::newRow("no subcommand") << QStringList() << QStringList{"PORT"} << 1 << "usage";
        const QStringList in{"--folder", folder_.path()};
        QTest::newRow("a curve without the service password")
            << QStringList() << QStringList{"write-curve", "PORT", file("c.csv")} + in << 6
            << "needs the service password";
        QTest::newRow("a restore of the curve with a wrong service password")
            << QStringList()
            << QStringList{"restore", "PORT", file("curve.bin"), "--password", "x"} + in << 6
            << "wrong service password";
        QTest::newRow("a snapshot of another meter")
            << QStringList() << QStringList{"restore", "PORT", file("other.bin")} + in << 6
            << "--other-meter";
        QTest::newRow("a file that cannot be read is not written")
            << QStringList() << QStringList{"write-config", "PORT", "/nonexistent.use"} << 6
            << "Fehlernummer 53";
    }
    void the_tool_fails_clearly() {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        SimProcess sim(simArgs);
        args.replaceInStrings(QStringLiteral("PORT"), sim.path());
        const CliResult l = runCli(args);
        QCOMPARE(l.code, code);
        QVERIFY2(l.fault.contains(message), qPrintable(l.fault));
        QVERIFY(l.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstPty)
#include "tst_pty.moc"
