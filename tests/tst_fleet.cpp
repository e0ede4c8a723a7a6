#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include "support/cli_process.h"
#include "support/file_helpers.h"
#include "support/sim_process.h"

// Given several simulated meters, orbis-cli fleet does the same on each, side
// by side, and sums up a line per meter.
class TstFleet : public QObject {
    Q_OBJECT

private slots:
    // Many meters at once: a line each, and the worst exit code of them.
    void fleet_takes_many_meters_at_once() {
        SimProcess first, second;
        const CliResult r = runCli({"fleet", "read", first.path(), second.path(), "/dev/nope"});
        QCOMPARE(r.code, 2);
        const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[1], first.path() + "\tQO24031507\tV3.1 R03\t150\tkg/h\t4 - 20 mA\tpulse");
        QVERIFY(lines[3].endsWith("cannot open /dev/nope: No such file or directory"));
        QTemporaryDir folder;
        const QString file = folder.filePath("m.use");
        QCOMPARE(runCli({"save-config", first.path(), file}).code, 0);
        QByteArrayList config = readFile(file).split('\n');
        config[4] = " 99999999\r";  // the full scale, far beyond the meters' range
        writeFile(file, config.join('\n'));
        const CliResult w = runCli({"fleet", "write-config", file, first.path(), second.path(),
                                    "--json", "--folder", folder.path()});
        QCOMPARE(w.code, 6);
        const QJsonArray meters = QJsonDocument::fromJson(w.out.toUtf8()).array();
        QCOMPARE(meters.size(), 2);
        for (const QJsonValue& m : meters)
            QCOMPARE(m["result"].toString(), QStringLiteral("refused"));
    }

    // Fast, against meters that drop what arrives while they are busy: each
    // is found holding the file when it is read again.
    void a_fast_fleet_write_leaves_every_meter_holding_the_file() {
        const QStringList quick{"--drop-while-busy", "--restart", "0.3"};
        SimProcess first(quick), second(quick);
        QTemporaryDir folder;
        const QString file = folder.filePath("m.use");
        QVERIFY(savedWithCreep(first.path(), file, "0.75"));
        const CliResult w = runCli({"fleet", "write-config", file, first.path(), second.path(),
                                    "--fast", "--json", "--folder", folder.path()});
        QCOMPARE(w.code, 0);
        const QJsonArray meters = QJsonDocument::fromJson(w.out.toUtf8()).array();
        QCOMPARE(meters.size(), 2);
        for (const QJsonValue& m : meters)
            QCOMPARE(m["result"].toString(), QStringLiteral("written"));
    }
};

QTEST_GUILESS_MAIN(TstFleet)
#include "tst_fleet.moc"
