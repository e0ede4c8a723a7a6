#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

#include "support/cli_process.h"
#include "support/device_server.h"
#include "support/file_helpers.h"
#include "support/sim_process.h"

namespace {

// The simulated meter on a terminal with ser2net in front of it; it drops
// requests that arrive while it is busy.
struct MeterBehindServer {
    SimProcess sim{{"--drop-while-busy", "--restart", "0.3"}};
    DeviceServer server{sim.path()};
    QString url(const QString& kind) const {
        return kind == QLatin1String("raw") ? server.rawUrl() : server.rfc2217Url();
    }
};

void bothKinds() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("raw") << "raw";
    QTest::newRow("rfc2217") << "rfc2217";
}

int records(const QString& file) {
    return int(readFile(file).count('\n'));
}

}  // namespace

// Given a meter behind the serial device server ser2net, raw or with Telnet
// COM-port control, orbis-cli reads it, polls it and writes it fast through
// the URL of the server's port; the image's 0xFF bytes cross unchanged, and
// a server that goes away is a broken link.
class TstDeviceServer : public QObject {
    Q_OBJECT

private slots:
    void the_meter_is_read_and_polled_data() { bothKinds(); }
    void the_meter_is_read_and_polled() {
        QFETCH(QString, kind);
        MeterBehindServer m;
        QVERIFY2(m.server.fault().isEmpty(), qPrintable(m.server.fault()));
        const CliResult r = runCli({"read", m.url(kind)});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains("\n084  FF FF FF FF FF FF FF FF FF FF FF FF\n"));
        QVERIFY(r.out.endsWith("\n504  30 33 31 35 30 37 FF FF\n"));
        QTemporaryDir folder;
        const QString base = folder.filePath("flow");
        const CliResult l =
            runCli({"log", m.url(kind), base, "--interval", "0.1", "--records", "5"});
        QCOMPARE(l.code, 0);
        QCOMPARE(records(base + ".1"), 5);
    }

    // A fast write through the server: the images read before and after it
    // hold 0xFF bytes, and the meter read again holds the file.
    void a_configuration_is_written_fast_data() { bothKinds(); }
    void a_configuration_is_written_fast() {
        QFETCH(QString, kind);
        MeterBehindServer m;
        QVERIFY2(m.server.fault().isEmpty(), qPrintable(m.server.fault()));
        QTemporaryDir folder;
        const QString file = folder.filePath("m.use");
        QVERIFY(savedWithCreep(m.url(kind), file, "0.75"));
        const CliResult w = runCli(
            {"write-config", m.url(kind), file, "--fast", "--json", "--folder", folder.path()});
        QVERIFY2(w.code == 0, qPrintable(w.fault));
        QCOMPARE(QJsonDocument::fromJson(w.out.toUtf8())["result"].toString(),
                 QStringLiteral("written"));
    }

    void a_server_that_goes_away_breaks_the_link() {
        MeterBehindServer m;
        QVERIFY2(m.server.fault().isEmpty(), qPrintable(m.server.fault()));
        QTemporaryDir folder;
        const QString base = folder.filePath("flow");
        QProcess log;
        log.start(QStringLiteral(ORBIS_CLI), {"log", m.server.rfc2217Url(), base, "--interval",
                                              "0.1", "--folder", folder.path()});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(base + ".1") && records(base + ".1") >= 3, 5000);
        m.server.stop();
        QByteArray told;
        QTRY_VERIFY_WITH_TIMEOUT(
            (told += log.readAllStandardError()).contains("Recording interrupted"), 10000);
        log.terminate();
        QVERIFY(log.waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(TstDeviceServer)
#include "tst_device_server.moc"
