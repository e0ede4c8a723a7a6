// orbis-sim: serves a simulated KRN410-Q Orbis meter on a pseudo-terminal and
// prints the terminal's device path; with --tcp it serves the same meter over
// raw TCP too. It runs until it is terminated.

#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>

#include "sim/images.h"
#include "sim/line.h"
#include "sim/meter.h"
#include "sim/pty_server.h"
#include "sim/real_time.h"
#include "sim/tcp_server.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], "x", 1);
}

void quitOnSignal(QCoreApplication& app) {
    if (::pipe(signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::signal(SIGHUP, onSignal);
}

QByteArray imageNamed(const QString& name) {
    if (name == QLatin1String("erased")) return images::erased();
    if (name == QLatin1String("fw2")) return images::firmware2();
    return images::standard();
}

FlowProfile::Kind profileNamed(const QString& name) {
    if (name == QLatin1String("constant")) return FlowProfile::Kind::Constant;
    if (name == QLatin1String("noisy")) return FlowProfile::Kind::Noise;
    return FlowProfile::Kind::Ramp;
}

void options(QCommandLineParser& p) {
    p.setApplicationDescription(
        QStringLiteral("Simulated KRN410-Q Orbis meter on a pseudo-terminal"));
    p.addHelpOption();
    p.addOptions({
        {QStringLiteral("image"), QStringLiteral("EEPROM image: default, fw2 or erased."),
         QStringLiteral("name"), QStringLiteral("default")},
        {QStringLiteral("profile"), QStringLiteral("Flow profile: constant, ramp or noisy."),
         QStringLiteral("name"), QStringLiteral("ramp")},
        {QStringLiteral("flow"),
         QStringLiteral("Flow in kg/h (ramp top, constant or noise centre)."),
         QStringLiteral("kgh"), QStringLiteral("120")},
        {QStringLiteral("period"), QStringLiteral("Seconds of one ramp."), QStringLiteral("s"),
         QStringLiteral("20")},
        {QStringLiteral("latency"), QStringLiteral("Response latency in milliseconds."),
         QStringLiteral("ms"), QStringLiteral("2")},
        {QStringLiteral("restart"), QStringLiteral("Seconds the meter stays silent after a reset."),
         QStringLiteral("s"), QStringLiteral("2")},
        {QStringLiteral("error-code"),
         QStringLiteral("Error code reported to the status query (17: under-voltage)."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("nak"), QStringLiteral("Answer the first n requests with NAK."),
         QStringLiteral("n"), QStringLiteral("0")},
        {QStringLiteral("cold-start"), QStringLiteral("The meter needs a cold start.")},
        {QStringLiteral("silent"), QStringLiteral("The meter never answers.")},
        {QStringLiteral("link"),
         QStringLiteral("Also make a symbolic link to the device at this path."),
         QStringLiteral("path")},
        {QStringLiteral("tcp"),
         QStringLiteral("Also serve the meter over raw TCP on this port (socket://HOST:PORT)."),
         QStringLiteral("port")},
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser p;
    options(p);
    p.process(app);

    RealTime time;
    Meter meter(imageNamed(p.value(QStringLiteral("image"))));
    meter.profile.kind = profileNamed(p.value(QStringLiteral("profile")));
    meter.profile.kgh = p.value(QStringLiteral("flow")).toDouble();
    meter.profile.period = qMax(0.1, p.value(QStringLiteral("period")).toDouble());
    meter.errorCode = p.value(QStringLiteral("error-code")).toInt();
    meter.coldStartNeeded = p.isSet(QStringLiteral("cold-start"));

    PtyServer server;
    TcpServer network;
    Line line(meter, time, [&](const QByteArray& b) {
        server.sendBytes(b);
        network.sendBytes(b);
    });
    line.latency = p.value(QStringLiteral("latency")).toDouble() / 1000.0;
    line.restartTime = p.value(QStringLiteral("restart")).toDouble();
    line.fault.nak = p.value(QStringLiteral("nak")).toInt();
    line.fault.silent = p.isSet(QStringLiteral("silent")) ? 1 << 30 : 0;
    server.join(line);
    network.join(line);

    QString fault;
    if (!server.start(fault)) {
        QTextStream(stderr) << "orbis-sim: cannot open a pseudo-terminal: " << fault << '\n';
        return 1;
    }
    if (p.isSet(QStringLiteral("tcp"))) {
        bool number = false;
        const uint port = p.value(QStringLiteral("tcp")).toUInt(&number);
        if (!number || port == 0 || port > 65535 || !network.start(quint16(port), fault)) {
            QTextStream(stderr) << "orbis-sim: cannot serve TCP port "
                                << p.value(QStringLiteral("tcp")) << ": "
                                << (number ? fault : QStringLiteral("not a port number")) << '\n';
            return 1;
        }
    }
    const QString link = p.value(QStringLiteral("link"));
    if (!link.isEmpty()) {
        QFile::remove(link);
        if (!QFile::link(server.devicePath(), link)) {
            QTextStream(stderr) << "orbis-sim: cannot create the link " << link << '\n';
            return 1;
        }
    }
    QTextStream(stdout) << server.devicePath() << Qt::endl;
    quitOnSignal(app);
    const int result = app.exec();
    if (!link.isEmpty()) QFile::remove(link);
    return result;
}
