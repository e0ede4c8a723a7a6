#include "support/device_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>

#include "support/sim_process.h"

namespace {

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QByteArray connection(const char* name, const QByteArray& accepter, const QString& terminal) {
    return "connection: &" + QByteArray(name) + "\n    accepter: " + accepter +
           "\n    options:\n      kickolduser: true\n      mdns: false\n    connector: serialdev," +
           terminal.toLocal8Bit() + ",9600n81,local\n";
}

}  // namespace

DeviceServer::DeviceServer(const QString& terminal) : raw_(freePort()), telnet_(freePort()) {
    const QString program =
        QStandardPaths::findExecutable(QStringLiteral("ser2net"), {"/usr/sbin", "/usr/bin"});
    if (program.isEmpty()) {
        fault_ = QStringLiteral("ser2net is not installed (scripts/test.sh installs it)");
        return;
    }
    QFile config(folder_.filePath(QStringLiteral("ser2net.yaml")));
    config.open(QIODevice::WriteOnly);
    config.write("%YAML 1.1\n---\n" +
                 connection("raw", "tcp,127.0.0.1," + QByteArray::number(raw_), terminal) +
                 connection("rfc2217",
                            "telnet(rfc2217),tcp,127.0.0.1," + QByteArray::number(telnet_),
                            terminal));
    config.close();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, {"-n", "-c", config.fileName(), "-P",
                             folder_.filePath(QStringLiteral("ser2net.pid"))});
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && !(accepting(raw_) && accepting(telnet_)))
        QThread::msleep(20);
    if (!accepting(raw_) || !accepting(telnet_)) fault_ = QStringLiteral("ser2net does not accept");
}

DeviceServer::~DeviceServer() {
    stop();
}

void DeviceServer::stop() {
    endProcess(process_);
}

// Whether ser2net listens on the port: the port cannot be taken then. A test
// connection would not do, as ser2net keeps the terminal a moment after it.
bool DeviceServer::accepting(quint16 port) const {
    QTcpServer probe;
    return !probe.listen(QHostAddress::LocalHost, port);
}
