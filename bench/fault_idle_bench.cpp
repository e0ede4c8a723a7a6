// Measures what the tool costs once a fault has been reported, over the
// simulator on a pseudo-terminal: the meter vanishing while polled (the
// terminal closed), a silent meter, a NAK storm and a meter 5 s late, each
// met by the connection menu. For each: the seconds until the tool reported
// the broken link, and the CPU share of this process in the second after
// and in the five seconds after that.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include "bench/cpu_time.h"
#include "bench/tool_run.h"
#include "config/einheitentabelle.h"
#include "features/headless.h"

namespace {

constexpr double ReportWithin = 60.0;
constexpr double Settle = 1.0;
constexpr double Afterwards = 5.0;

struct Scenario {
    const char* name;
    QStringList simArgs;
    bool vanishWhilePolling;
};

// The CPU share of this process while the event loop runs `seconds`.
double cpuShareOver(double seconds) {
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    idleFor(seconds);
    return (cpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) / 1e9);
}

QString measure(const Scenario& c) {
    QTemporaryDir folder;
    createProgramFolder(folder.path());
    QProcess sim;
    sim.start(QStringLiteral(ORBIS_SIM), c.simArgs);
    if (!sim.waitForReadyRead(5000)) return QStringLiteral("the simulator did not start");
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();

    Headless tool(folder.path());
    tool.dialogs.goOn = true;  // the tool stays up after the message, as a window would
    Session& s = tool.session;
    s.loadUnits(s.file(QLatin1String(Einheitentabelle::FileName)));
    QString failure;
    if (!tool.open(path, failure)) return failure;
    s.connectMeter();
    if (c.vanishWhilePolling) {
        runFor(ReportWithin, [&] { return s.state.meterRead; });
        idleFor(2.0);
        sim.kill();
        sim.waitForFinished();
    }
    QElapsedTimer untilReported;
    untilReported.start();
    runFor(ReportWithin, [&] { return s.state.linkDown; });
    if (!s.state.linkDown) return QStringLiteral("no broken link reported");
    const double reported = double(untilReported.nsecsElapsed()) / 1e9;
    const double first = cpuShareOver(Settle);
    const double later = cpuShareOver(Afterwards);
    sim.kill();
    sim.waitForFinished();
    return QStringLiteral("reported after %1 s; CPU %2 % in the next second, %3 % in the 5 s after")
        .arg(reported, 0, 'f', 2)
        .arg(100 * first, 0, 'f', 2)
        .arg(100 * later, 0, 'f', 2);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList quick{QStringLiteral("--latency"), QStringLiteral("0")};
    const Scenario scenarios[] = {
        {"port vanishes while polled", quick, true},
        {"silence", quick + QStringList{QStringLiteral("--silent")}, false},
        {"NAK storm", quick + QStringList{QStringLiteral("--nak"), QStringLiteral("1000000")},
         false},
        {"late by 5 s", {QStringLiteral("--latency"), QStringLiteral("5000")}, false},
    };
    for (const Scenario& c : scenarios)
        out << c.name << ": " << measure(c) << Qt::endl;
    return 0;
}
