// Measures the serial link over the simulator on a pseudo-terminal, paced at
// 9600 baud with no meter latency: counts exchanges per second against the
// wire limit, the EEPROM read time against its wire time, and the CPU time
// this process spends per second of polling.
//
//   bench_link [PORT]    PORT (a device path or URL) instead of a simulator of its own

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include "bench/cpu_time.h"
#include "bench/simulator.h"
#include "features/headless.h"
#include "link/protocol.h"
#include "link/requests.h"

namespace {

constexpr double PollSeconds = 5.0;
constexpr int EepromReads = 5;

struct Measurement {
    double perSecond;
    double cpuShare;
};

// Polls for `PollSeconds`, with `pause` seconds between exchanges as the 10 ms timer does.
Measurement pollFor(Link& link, Clock& clock, double pause) {
    QElapsedTimer wallClock;
    const double cpu0 = cpuSeconds();
    wallClock.start();
    int n = 0;
    while (wallClock.elapsed() < PollSeconds * 1000) {
        link.exchange(request::counts(false), protocol::CountsReplyLength, protocol::WaitCounts);
        if (pause > 0)
            clock.waitUntil(
                clock.now() + pause, [] { return false; }, Events::All);
        ++n;
    }
    const double seconds = double(wallClock.nsecsElapsed()) / 1e9;
    return {n / seconds, (cpuSeconds() - cpu0) / seconds};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QProcess sim;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : startSimulator(sim);
    if (path.isEmpty()) return 1;

    Headless tool;
    QString fault;
    if (!tool.open(path, fault)) return 2;
    Link& link = tool.session.link();
    Clock& clock = tool.clock;

    const double limit = 1.0 / (6 * protocol::ByteTime);
    const Measurement duration = pollFor(link, clock, 0.0);
    out << QStringLiteral("counts exchanges: %1 /s, wire limit %2 /s (%3 %)\n")
               .arg(duration.perSecond, 0, 'f', 1)
               .arg(limit, 0, 'f', 1)
               .arg(100 * duration.perSecond / limit, 0, 'f', 1);
    out << QStringLiteral("CPU while polling back to back: %1 % of one core\n")
               .arg(100 * duration.cpuShare, 0, 'f', 2);
    const Measurement timer = pollFor(link, clock, 0.010);
    out << QStringLiteral("CPU while polling every 10 ms: %1 % of one core (%2 cycles/s)\n")
               .arg(100 * timer.cpuShare, 0, 'f', 2)
               .arg(timer.perSecond, 0, 'f', 1);

    QElapsedTimer wallClock;
    wallClock.start();
    for (int i = 0; i < EepromReads; ++i)
        if (!tool.session.EEPromLesen()) return 3;
    const double read = double(wallClock.nsecsElapsed()) / 1e9 / EepromReads;
    const double wireTime = 516 * protocol::ByteTime;
    out << QStringLiteral("EEPROM read: %1 ms, wire time %2 ms (%3 x)\n")
               .arg(read * 1000, 0, 'f', 1)
               .arg(wireTime * 1000, 0, 'f', 1)
               .arg(read / wireTime, 0, 'f', 3);
    sim.terminate();
    sim.waitForFinished();
    return 0;
}
