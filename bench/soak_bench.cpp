// Runs the tool with its window for a long time against the simulator on a
// pseudo-terminal, paced at 9600 baud with no meter latency, while measured
// data are recorded every 0.1 s and the trend window is open: the situation
// of a meter watched over a shift. Every 10 s it reads what would betray a
// leak or a slow-down long before a user notices one (resident memory, open
// file descriptors, CPU share, live-value cycles, records written), and at
// the end it sums these up against what a steady tool would show.

#include <dirent.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench/counting_port.h"
#include "bench/cpu_time.h"
#include "bench/tool_run.h"
#include "files/measurement_log.h"
#include "files/program_folder.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/steady_clock.h"
#include "session/console_dialogs.h"
#include "session/port_list.h"
#include "ui/app.h"

namespace {

constexpr double SampleSeconds = 10.0;
// Caches, fonts, the chart's first layouts and the trend's ring settle during
// the first minute; growth is judged only from there on.
constexpr double WarmUpSeconds = 60.0;
constexpr double LogInterval = 0.1;
constexpr double AllowedGrowth = 5.0;  // % of resident memory after the warm-up
constexpr std::size_t MinSlopeSamples = 6;
const QString LogName = QStringLiteral("soak");

struct Sample {
    double seconds;  // since recording was switched on
    long rssKb;
    int fds;
    // Idle threads of a pool end after 30 s and take their event descriptors
    // along; the count tells such a drop from a leak being mended.
    long threads;
    double cpuPercent;  // of one core over the interval before the sample
    double cyclesPerSecond;
    qint64 records;  // written in total
    double recordsPerSecond;
};

// Runs the event loop until `clock` reads `seconds`. A precise timer, since a
// coarse one may be off by 5 % of its interval and the samples would drift.
void runUntil(const QElapsedTimer& clock, double seconds) {
    const qint64 ms = qint64(seconds * 1000) - clock.elapsed();
    if (ms <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(int(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Read with the standard library rather than Qt, so that measuring does not
// itself allocate through the allocator whose growth is being watched.
long statusField(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, name.size(), name) == 0)
            return std::strtol(line.c_str() + name.size(), nullptr, 10);
    return 0;
}

// The open descriptors, each with what it refers to. The descriptor that
// reads the folder is not one of the tool's and is left out.
std::map<int, std::string> openFds() {
    std::map<int, std::string> fds;
    DIR* dir = opendir("/proc/self/fd");
    if (!dir) return fds;
    const int own = dirfd(dir);
    while (const dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.' || std::atoi(e->d_name) == own) continue;
        char target[512];
        const std::string path = std::string("/proc/self/fd/") + e->d_name;
        const ssize_t n = readlink(path.c_str(), target, sizeof target - 1);
        fds[std::atoi(e->d_name)] = n > 0 ? std::string(target, std::size_t(n)) : std::string();
    }
    closedir(dir);
    return fds;
}

// Names what was opened and closed between two samples, so that a growing
// count points at its cause (a log file, a socket, a pipe) by itself.
void printFdChanges(const std::map<int, std::string>& before,
                    const std::map<int, std::string>& after, QTextStream& out) {
    for (const auto& [fd, target] : before) {
        const auto now = after.find(fd);
        if (now == after.end() || now->second != target)
            out << QStringLiteral("    closed fd %1: %2\n")
                       .arg(fd)
                       .arg(QString::fromStdString(target));
    }
    for (const auto& [fd, target] : after) {
        const auto then = before.find(fd);
        if (then == before.end() || then->second != target)
            out << QStringLiteral("    opened fd %1: %2\n")
                       .arg(fd)
                       .arg(QString::fromStdString(target));
    }
}

// The log's count starts again with every file it begins, and recording
// for an hour at 0.1 s fills more than two; the first file holds MaxRecords
// records, every later one MaxRecords + 1, the current one MdSaetze + 1.
qint64 recordsWritten(const MeasurementLog& log) {
    const qint64 full = MeasurementLog::MaxRecords;
    if (log.MdNummer() <= 1) return log.MdSaetze();
    return full + (log.MdNummer() - 2) * (full + 1) + log.MdSaetze() + 1;
}

// The lines actually in the files, to check the count above. Only read at
// the end, since reading the files would disturb the memory being measured.
qint64 linesInFiles(const QString& folder) {
    qint64 n = 0;
    for (int i = 1; i <= MeasurementLog::MaxFiles; ++i) {
        QFile f(QDir(folder).filePath(LogName + QLatin1Char('.') + QString::number(i)));
        if (!f.open(QIODevice::ReadOnly)) break;
        while (!f.atEnd())
            n += f.read(1 << 20).count('\n');
    }
    return n;
}

// Least-squares slope of the resident memory over the samples from `from` on,
// in kB per hour: a leak shows as a steady slope even where the noise of
// single samples hides it. Over fewer than MinSlopeSamples samples a
// page or two of the allocator would read as a leak of megabytes an hour.
double rssSlopeKbPerHour(const std::vector<Sample>& samples, std::size_t from) {
    const std::size_t n = samples.size() - from;
    double mt = 0, mr = 0;
    for (std::size_t i = from; i < samples.size(); ++i) {
        mt += samples[i].seconds;
        mr += double(samples[i].rssKb);
    }
    mt /= double(n);
    mr /= double(n);
    double stt = 0, str = 0;
    for (std::size_t i = from; i < samples.size(); ++i) {
        stt += (samples[i].seconds - mt) * (samples[i].seconds - mt);
        str += (samples[i].seconds - mt) * (double(samples[i].rssKb) - mr);
    }
    return stt > 0 ? str / stt * 3600 : 0;
}

QString mb(long kb) {
    return QString::number(double(kb) / 1024, 'f', 2) + QStringLiteral(" MB");
}

void printSummary(const std::vector<Sample>& samples, double seconds, double cpuPercent,
                  double cyclesPerSecond, qint64 records, qint64 lines, QTextStream& out) {
    if (samples.empty()) return;
    const Sample& first = samples.front();
    const Sample& last = samples.back();
    long maxRss = 0;
    for (const Sample& s : samples)
        maxRss = std::max(maxRss, s.rssKb);
    out << QStringLiteral("\nsummary over %1 s (%2 samples)\n")
               .arg(seconds, 0, 'f', 1)
               .arg(samples.size());
    out << QStringLiteral("RSS: first %1, last %2, max %3\n")
               .arg(mb(first.rssKb), mb(last.rssKb), mb(maxRss));

    const auto warm = std::find_if(samples.begin(), samples.end(), [](const Sample& s) {
        return s.seconds >= WarmUpSeconds - 0.5;
    });
    bool rssSteady = true;
    if (warm == samples.end() || warm == samples.end() - 1) {
        out << QStringLiteral("RSS growth after warm-up: n/a (run longer than %1 s)\n")
                   .arg(WarmUpSeconds + SampleSeconds, 0, 'f', 0);
    } else {
        long maxAfter = 0;
        for (auto i = warm; i != samples.end(); ++i)
            maxAfter = std::max(maxAfter, i->rssKb);
        const double base = double(warm->rssKb);
        const double growth = 100 * (double(last.rssKb) - base) / base;
        const double peak = 100 * (double(maxAfter) - base) / base;
        rssSteady = growth <= AllowedGrowth && peak <= AllowedGrowth;
        out << QStringLiteral(
                   "RSS growth after warm-up: %1 at %2 s -> %3 at the end: %4 % (%5 kB), "
                   "max %6 %\n")
                   .arg(mb(warm->rssKb))
                   .arg(warm->seconds, 0, 'f', 0)
                   .arg(mb(last.rssKb))
                   .arg(growth, 0, 'f', 2)
                   .arg(last.rssKb - warm->rssKb)
                   .arg(peak, 0, 'f', 2);
        const std::size_t from = std::size_t(warm - samples.begin());
        if (samples.size() - from >= MinSlopeSamples)
            out << QStringLiteral("RSS slope after warm-up: %1 kB/h\n")
                       .arg(rssSlopeKbPerHour(samples, from), 0, 'f', 0);
        out << QStringLiteral("RSS within %1 % after warm-up: %2\n")
                   .arg(AllowedGrowth, 0, 'f', 0)
                   .arg(rssSteady ? "yes" : "no");
    }

    int minFds = first.fds, maxFds = first.fds;
    for (const Sample& s : samples) {
        minFds = std::min(minFds, s.fds);
        maxFds = std::max(maxFds, s.fds);
    }
    QString afterWarmUp = QStringLiteral("n/a");
    if (warm != samples.end()) {
        const bool constant =
            std::all_of(warm, samples.end(), [&](const Sample& s) { return s.fds == warm->fds; });
        afterWarmUp = QString::number(warm->fds) + QStringLiteral(" -> ") +
                      QString::number(last.fds) +
                      (constant ? QStringLiteral(", constant") : QStringLiteral(", changing"));
    }
    out << QStringLiteral("fds: first %1, last %2 (min %3, max %4); after warm-up %5\n")
               .arg(first.fds)
               .arg(last.fds)
               .arg(minFds)
               .arg(maxFds)
               .arg(afterWarmUp);
    out << QStringLiteral("threads: first %1, last %2\n").arg(first.threads).arg(last.threads);
    out << QStringLiteral("CPU: mean %1 % of one core\n").arg(cpuPercent, 0, 'f', 2);
    out << QStringLiteral("live-value cycles: mean %1 /s\n").arg(cyclesPerSecond, 0, 'f', 1);
    const double expected = seconds / LogInterval;
    out << QStringLiteral("records: %1 written (%2 lines in the files), %3 expected: %4 %\n")
               .arg(records)
               .arg(lines)
               .arg(expected, 0, 'f', 0)
               .arg(100 * double(records) / expected, 0, 'f', 1);
}

}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless a display is named, so the benchmark can also run under Xvfb.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QApplication::arguments();
    bool valid = false;
    const double seconds = args.size() == 2 ? args[1].toDouble(&valid) : 0;
    if (!valid || seconds <= 0) {
        err << "usage: bench_soak SECONDS\n";
        return 2;
    }

    QTemporaryDir folder;
    QTemporaryDir logFolder;
    createProgramFolder(folder.path());
    const QString ports = folder.filePath(QStringLiteral("ports"));
    QProcess sim;
    if (!startLinkedSimulator(sim, ports)) {
        err << "the simulator did not start\n";
        return 1;
    }

    SteadyClock clock;
    SerialPort serial([ports](int n) { return portPath(n, ports); });
    serial.onData([&clock] { clock.wake(); });
    CountingPort port(serial);
    ConsoleDialogs dialogs;
    App tool(port, clock, dialogs, folder.path(), systemSerialPorts);
    tool.load();
    tool.window().show();
    Session& s = tool.session();
    runFor(20.0, [&] { return s.live.Counts != 0; });
    if (s.live.Counts == 0) {
        err << "no live value within 20 s\n";
        return 1;
    }

    Recording& recording = tool.features().recording;
    recording.openLoggingDialog();
    recording.chooseLogFolder(logFolder.path());
    recording.logNameTyped(LogName);
    recording.logIntervalTyped(QString::number(LogInterval));
    recording.switchLogging(true);
    auto* trend = tool.window().findChild<QAbstractButton*>(QStringLiteral("cmdTrend"));
    if (!recording.logging.MdAktiv || !trend) {
        err << "recording or the trend window could not be started\n";
        return 1;
    }
    trend->click();
    out << QStringLiteral("soak for %1 s: recording every %2 s into %3, trend open\n")
               .arg(seconds, 0, 'f', 0)
               .arg(LogInterval, 0, 'f', 1)
               .arg(QDir::toNativeSeparators(logFolder.path()));
    out.flush();

    const int counts0 = port.amount(protocol::Counts);
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    std::vector<Sample> samples;
    double lastSeconds = 0, lastCpu = cpu0;
    int lastCounts = counts0;
    qint64 lastRecords = recordsWritten(recording.measurementLog());
    std::map<int, std::string> lastFds = openFds();
    for (int k = 1; !dialogs.ended(); ++k) {
        runUntil(wall, std::min(k * SampleSeconds, seconds));
        const double now = double(wall.nsecsElapsed()) / 1e9;
        const double cpu = cpuSeconds();
        const int counts = port.amount(protocol::Counts);
        const qint64 records = recordsWritten(recording.measurementLog());
        const double span = now - lastSeconds;
        const std::map<int, std::string> fds = openFds();
        const Sample sample{now,
                            statusField("VmRSS:"),
                            int(fds.size()),
                            statusField("Threads:"),
                            100 * (cpu - lastCpu) / span,
                            (counts - lastCounts) / span,
                            records,
                            double(records - lastRecords) / span};
        samples.push_back(sample);
        out << QStringLiteral(
                   "t %1 s  RSS %2  fds %3  threads %4  "
                   "CPU %5 %  cycles %6 /s  records %7 (%8 /s)\n")
                   .arg(sample.seconds, 6, 'f', 1)
                   .arg(mb(sample.rssKb))
                   .arg(sample.fds)
                   .arg(sample.threads)
                   .arg(sample.cpuPercent, 5, 'f', 2)
                   .arg(sample.cyclesPerSecond, 5, 'f', 1)
                   .arg(sample.records)
                   .arg(sample.recordsPerSecond, 4, 'f', 1);
        printFdChanges(lastFds, fds, out);
        out.flush();
        lastFds = fds;
        lastSeconds = now;
        lastCpu = cpu;
        lastCounts = counts;
        lastRecords = records;
        if (now >= seconds) break;
    }
    const double total = double(wall.nsecsElapsed()) / 1e9;
    const double cpuPercent = 100 * (cpuSeconds() - cpu0) / total;
    const double cyclesPerSecond = (port.amount(protocol::Counts) - counts0) / total;
    const qint64 records = recordsWritten(recording.measurementLog());
    recording.switchLogging(false);
    printSummary(samples, total, cpuPercent, cyclesPerSecond, records,
                 linesInFiles(logFolder.path()), out);
    out << QStringLiteral("messages shown: %1\n").arg(dialogs.ended() ? "program ended" : "none");
    sim.terminate();
    sim.waitForFinished();
    return 0;
}
