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

QString number(double value) {
    return QString::number(value, 'g', 6);
}

// The defaults are those of the line's timing model.
void options(QCommandLineParser& p, const Line& timing) {
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
        {QStringLiteral("latency"),
         QStringLiteral("Response latency in milliseconds (%1).")
             .arg(number(timing.latency * 1000)),
         QStringLiteral("ms"), number(timing.latency * 1000)},
        {QStringLiteral("write-time"),
         QStringLiteral("Milliseconds a write takes before the meter acknowledges it (%1).")
             .arg(number(timing.writeTime * 1000)),
         QStringLiteral("ms"), number(timing.writeTime * 1000)},
        {QStringLiteral("store-time"),
         QStringLiteral("Milliseconds the store takes before the meter acknowledges it (%1).")
             .arg(number(timing.storeTime * 1000)),
         QStringLiteral("ms"), number(timing.storeTime * 1000)},
        {QStringLiteral("restart"),
         QStringLiteral("Seconds the meter stays silent after a reset (%1).")
             .arg(number(timing.restartTime)),
         QStringLiteral("s"), number(timing.restartTime)},
        {QStringLiteral("drop-while-busy"),
         QStringLiteral("Drop requests that arrive while the meter applies a write, stores or "
                        "restarts, instead of answering them once it is free.")},
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
    RealTime time;
    Meter meter(images::standard());
    PtyServer server;
    TcpServer network;
    Line line(meter, time, [&](const QByteArray& b) {
        server.sendBytes(b);
        network.sendBytes(b);
    });
    QCommandLineParser p;
    options(p, line);
    p.process(app);

    meter = Meter(imageNamed(p.value(QStringLiteral("image"))));
    meter.profile.kind = profileNamed(p.value(QStringLiteral("profile")));
    meter.profile.kgh = p.value(QStringLiteral("flow")).toDouble();
    meter.profile.period = qMax(0.1, p.value(QStringLiteral("period")).toDouble());
    meter.errorCode = p.value(QStringLiteral("error-code")).toInt();
    meter.coldStartNeeded = p.isSet(QStringLiteral("cold-start"));

    line.latency = p.value(QStringLiteral("latency")).toDouble() / 1000.0;
    line.writeTime = p.value(QStringLiteral("write-time")).toDouble() / 1000.0;
    line.storeTime = p.value(QStringLiteral("store-time")).toDouble() / 1000.0;
    line.restartTime = p.value(QStringLiteral("restart")).toDouble();
    if (p.isSet(QStringLiteral("drop-while-busy"))) line.whileBusy = WhileBusy::Drop;
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
