#include <QtTest>

#include "config/einheitentabelle.h"
#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "features/headless.h"
#include "files/program_folder.h"
#include "files/snapshot_store.h"
#include "sim/images.h"
#include "support/cli_process.h"
#include "support/file_helpers.h"
#include "support/sim_process.h"

namespace {

// A program folder with the shipped files, for the unit subcommands.
struct Folder {
    Folder() {
        for (const QString& f : programFolder::shippedFiles()) {
            QFile::copy(QStringLiteral(ORBIS_DATA "/") + f, dir.filePath(f));
            QFile::setPermissions(dir.filePath(f), QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    CliResult run(QStringList args) const { return runCli(args << "--folder" << dir.path()); }
    QStringList units() const {
        QStringList names;
        for (const Unit& u : readUnits(dir.filePath("UNIT.CON")).entries)
            names << u.Einheit;
        return names;
    }
    QTemporaryDir dir;
};

}  // namespace

// The production pieces: the clock waits on real time and wakes early when told that data
// arrived; the serial port reaches the simulator on a pseudo-terminal; and orbis-cli reads,
// saves and writes the meter, changes units and lists snapshots as the window does, or fails
// clearly.
class TstCli : public QObject {
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

    void a_vanished_meter_closes_the_port_and_is_noticed_by_its_silence() {
        SimProcess sim;
        Headless tool;
        QString failure;
        QVERIFY(tool.open(sim.path(), failure));
        sim.stop();
        tool.session.setCountsTimer(true);
        // Nobody answers the broken-link message on a console, so the program ends.
        QVERIFY(QTest::qWaitFor([&] { return tool.dialogs.ended(); }, 3000));
        QVERIFY(!tool.port.portOpen());
        QCOMPARE(tool.session.display.background(QStringLiteral("Lampe")), color::Grey);
    }

    // Help, the version and the completion words are printed; a mistake is named in one line.
    void the_command_line_explains_itself_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");  // on standard output when 0, else on standard error
        QTest::newRow("help") << QStringList{"--help"} << 0 << "\n  write-config PORT FILE.use\n";
        QTest::newRow("a command's help")
            << QStringList{"write-config", "--help"} << 0 << "--unit <NAME>";
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "orbis-cli " ORBIS_VERSION "\n";
        QTest::newRow("completion")
            << QStringList{"--complete", "restore"} << 0 << "--other-meter\n";
        QTest::newRow("another command's option")
            << QStringList{"read", "1", "--unit", "x"} << 1 << "Unknown option 'unit'";
        QTest::newRow("a missing argument") << QStringList{"read"} << 1 << "read takes PORT, not 0";
        QTest::newRow("a missing option")
            << QStringList{"report", "config", "1"} << 1 << "report needs --pdf";
        QTest::newRow("a count that is no number")
            << QStringList{"log", "1", "b", "--interval", "1", "--records", "x"} << 1
            << "--records takes a whole number above 0";
        QTest::newRow("no such report")
            << QStringList{"report", "foo", "1", "--pdf", "x.pdf"} << 1 << "no report \"foo\"";
        QTest::newRow("no such command")
            << QStringList{"frobnicate", "--frob"} << 1 << "there is no command \"frobnicate\"";
    }
    void the_command_line_explains_itself() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, text);
        const CliResult r = runCli(args);
        QCOMPARE(r.code, code);
        const QString& shown = code == 0 ? r.out : r.fault;
        QVERIFY2(shown.contains(text), qPrintable(shown));
        if (code != 0) QCOMPARE(r.fault.count(QStringLiteral("orbis-cli:")), 1);
    }

    // For scripts: the meter read, and a write refused by its checks, as JSON.
    void json_tells_scripts_what_the_meter_holds() {
        SimProcess sim;
        const QJsonObject meter =
            QJsonDocument::fromJson(runCli({"read", sim.path(), "--json"}).out.toUtf8()).object();
        QCOMPARE(meter["serial"].toString(), QStringLiteral("QO24031507"));
        QCOMPARE(meter["parameters"]["MEW"].toString(), QStringLiteral("150"));
        QCOMPARE(QByteArray::fromHex(meter["eeprom"].toString().toLatin1()).size(), 512);
        QTemporaryDir folder;
        const QString file = folder.filePath("m.use");
        QCOMPARE(runCli({"save-config", sim.path(), file}).code, 0);
        QByteArrayList lines = readFile(file).split('\n');
        lines[4] = " 99999999\r";  // the full scale, far beyond the meter's range
        writeFile(file, lines.join('\n'));
        const CliResult w = runCli({"write-config", sim.path(), file, "--json"});
        QCOMPARE(w.code, 6);
        const QJsonObject summary = QJsonDocument::fromJson(w.out.toUtf8()).object();
        QCOMPARE(summary["result"].toString(), QStringLiteral("refused"));
        QCOMPARE(summary["asked"].toString(), file);
        QVERIFY(summary["snapshot"].isNull());
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
        const QByteArray text = readFile(folder.filePath("meter.use"));  // .txt becomes .use
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

    void a_unit_is_added_listed_and_deleted() {
        Folder f;
        QCOMPARE(f.run({"unit-add", "t/h", "1000", "0 °C", "Luft"}).code, 0);
        QCOMPARE(f.units().size(), 13);
        QCOMPARE(f.units().last(), QStringLiteral("t/h"));
        const CliResult list = f.run({"units"});
        QCOMPARE(list.code, 0);
        QVERIFY(list.out.endsWith("t/h  (0 °C)  Luft\n"));
        QCOMPARE(f.run({"unit-delete", "t/h"}).code, 0);
        QCOMPARE(f.units().size(), 12);
    }

    void a_refused_change_says_why_and_leaves_the_file_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("factor 0") << QStringList{"unit-add", "x/h", "0", "-", "Luft"} << 6
                                  << "factor";
        QTest::newRow("an exponent") << QStringList{"unit-add", "x/h", "1e5", "-", "Luft"} << 6
                                     << "not a plain positive decimal number";
        QTest::newRow("a comma in the gas")
            << QStringList{"unit-add", "x/h", "2", "-", "Luft, N2"} << 6 << "comma";
        QTest::newRow("a built-in unit") << QStringList{"unit-delete", "kg/h"} << 6 << "";
        QTest::newRow("no such unit") << QStringList{"unit-delete", "x/h"} << 1 << "no unit x/h";
        QTest::newRow("missing fields")
            << QStringList{"unit-add", "x/h"} << 1 << "unit-add takes NAME FACTOR CONDITION GAS";
    }
    void a_refused_change_says_why_and_leaves_the_file() {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        Folder f;
        const QByteArray before = readFile(f.dir.filePath("UNIT.CON"));
        const CliResult r = f.run(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.fault.contains(message, Qt::CaseInsensitive), qPrintable(r.fault));
        QCOMPARE(readFile(f.dir.filePath("UNIT.CON")), before);
    }

    // A snapshot is listed with its meter, time, operation and file; a serial
    // number unsafe as a folder name is kept under a safe one.
    void snapshots_are_listed_by_meter() {
        Folder f;
        QString error;
        const QString path = snapshotStore::keep(snapshotStore::folder(f.dir.path(), "QO 7/1"),
                                                 QDateTime({2026, 12, 7}, {9, 30, 12}), "restore",
                                                 QByteArray(512, '\0'), nullptr, error);
        QCOMPARE(path, f.dir.filePath("snapshots/QO_7_1/2026-12-07_093012_restore.bin"));
        QCOMPARE(f.run({"snapshots"}).out, "QO_7_1  2026-12-07 09:30:12  restore  " + path + "\n");
        QCOMPARE(f.run({"snapshots", "QO9"}).out, QString());
        const QJsonArray listed =
            QJsonDocument::fromJson(f.run({"snapshots", "--json"}).out.toUtf8()).array();
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed[0]["time"].toString(), QStringLiteral("2026-12-07T09:30:12"));
        QCOMPARE(listed[0]["file"].toString(), path);
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
