// Measures the window as the desktop carries it, from outside its process:
// the real orbis program, under the current display, polls the simulated
// meter through a relay that counts the counts requests, while the meter's
// flow changes with every reading. Over 30 s of polling: the program's own
// CPU time (user and system, as the kernel counts it) as a share of one
// core, the live-value cycles the meter saw against their limit, and the
// times the program went to sleep for each cycle.
// Run it under `xvfb-run -a`.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "bench/live_cycles.h"
#include "bench/pty_relay.h"
#include "bench/tool_run.h"
#include "link/requests.h"

namespace {

constexpr double StartWithin = 30.0;
constexpr double Settle = 2.0;
constexpr double PollSeconds = 30.0;

// What process `pid` has used so far over its threads: CPU seconds, as the
// scheduler counts them to the nanosecond, and the times it went to sleep.
// The user and system times of /proc/pid/stat are sampled at the kernel's
// tick, and a program that wakes every 10 ms in step with that tick is
// charged far too much or far too little, so they differ by half from one
// run to the next. The sleeps do not depend on how busy the host is.
struct Usage {
    double cpuSeconds = -1;  // -1: the process is gone
    qint64 sleeps = 0;
};

Usage usageOf(qint64 pid) {
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    const QStringList threads = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    Usage u;
    if (threads.isEmpty()) return u;
    u.cpuSeconds = 0;
    for (const QString& thread : threads) {
        QFile stat(tasks.filePath(thread + QStringLiteral("/schedstat")));
        QFile status(tasks.filePath(thread + QStringLiteral("/status")));
        if (!stat.open(QIODevice::ReadOnly) || !status.open(QIODevice::ReadOnly))
            continue;  // the thread has just ended
        u.cpuSeconds += stat.readAll().split(' ').value(0).toDouble() / 1e9;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                u.sleeps += line.split(':').value(1).trimmed().toLongLong();
    }
    return u;
}

// The window's program, copied into `folder` so that the folder beside it,
// holding its settings, is its program folder.
void startWindow(QProcess& tool, const QString& folder) {
    const QString copy = QDir(folder).filePath(QStringLiteral("orbis"));
    QFile::copy(QStringLiteral(ORBIS_TOOL), copy);
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(copy, {});
}

void stop(QProcess& p) {
    p.terminate();
    if (!p.waitForFinished(5000)) p.kill();
    p.waitForFinished();
}

// Polling for PollSeconds once the window polls; the empty text when it did,
// else what went wrong.
QString measure(const QProcess& tool, const PtyRelay& relay, QTextStream& out) {
    runFor(StartWithin, [&] { return relay.counted() > 0; });
    if (relay.counted() == 0) return QStringLiteral("the window did not poll the meter");
    idleFor(Settle);
    const int counts0 = relay.counted();
    const Usage before = usageOf(tool.processId());
    QElapsedTimer wall;
    wall.start();
    idleFor(PollSeconds);
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const Usage after = usageOf(tool.processId());
    if (before.cpuSeconds < 0 || after.cpuSeconds < 0)
        return QStringLiteral("the window's program ended");
    const int counted = relay.counted() - counts0;
    const double cycles = counted / seconds;
    out << QStringLiteral(
               "window process while polling a changing flow for %1 s: CPU %2 % of one "
               "core; live-value cycles %3 /s, limit %4 /s (%5 %); %6 sleeps a cycle\n")
               .arg(seconds, 0, 'f', 1)
               .arg(100 * (after.cpuSeconds - before.cpuSeconds) / seconds, 0, 'f', 2)
               .arg(cycles, 0, 'f', 1)
               .arg(liveCycleLimit(), 0, 'f', 1)
               .arg(100 * cycles / liveCycleLimit(), 0, 'f', 1)
               .arg(double(after.sleeps - before.sleeps) / qMax(counted, 1), 0, 'f', 2);
    return QString();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        out << "no display: run the benchmark under xvfb-run -a\n";
        return 1;
    }
    QTemporaryDir temporary;
    const QString folder = temporary.path();
    createProgramFolder(folder);
    QProcess sim;
    sim.start(QStringLiteral(ORBIS_SIM), {"--latency", "0", "--profile", "noisy", "--flow", "75"});
    if (!sim.waitForReadyRead(5000)) return 1;
    PtyRelay relay(request::counts(false));
    if (!relay.start(QString::fromLocal8Bit(sim.readLine()).trimmed())) return 1;
    QFile::link(relay.hostPath(), QDir(folder).filePath(QStringLiteral("ports/com1")));

    QProcess tool;
    startWindow(tool, folder);
    const QString failure = measure(tool, relay, out);
    stop(tool);
    stop(sim);
    out << failure << (failure.isEmpty() ? "" : "\n");
    return failure.isEmpty() ? 0 : 1;
}
