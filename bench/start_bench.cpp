// Measures the tool with its window against the simulator on a
// pseudo-terminal, paced at 9600 baud with no meter latency: the time from
// start to the first live value against the fixed waits of the start-up,
// the live-value cycles per second against the limit of the 10 ms timer and
// the wire time, and the CPU time of this process while polling, repaints
// included; then the same while measured data are recorded every 0.1 s with
// the trend window open, and the records written against the timer's rate.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <functional>

#include "bench/counting_port.h"
#include "bench/cpu_time.h"
#include "bench/live_cycles.h"
#include "bench/tool_run.h"
#include "files/program_folder.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/steady_clock.h"
#include "session/console_dialogs.h"
#include "session/port_list.h"
#include "ui/app.h"

namespace {

constexpr double PollSeconds = 10.0;
constexpr double LogSeconds = 60.0;

// Recording every 0.1 s with the trend window open: the records written
// against the timer's rate, and what polling and CPU do meanwhile.
void measureLogging(App& tool, const QString& folder, CountingPort& port, QTextStream& out) {
    Recording& recording = tool.features().recording;
    recording.openLoggingDialog();
    recording.chooseLogFolder(folder);
    recording.logNameTyped(QStringLiteral("bench"));
    recording.logIntervalTyped(QStringLiteral("0.1"));
    recording.switchLogging(true);
    tool.window().findChild<QAbstractButton*>(QStringLiteral("cmdTrend"))->click();
    const int counts0 = port.amount(protocol::Counts);
    const int records0 = recording.measurementLog().MdSaetze();
    const double cpu0 = cpuSeconds();
    QElapsedTimer duration;
    duration.start();
    idleFor(LogSeconds);
    const double seconds = double(duration.nsecsElapsed()) / 1e9;
    const int records = recording.measurementLog().MdSaetze() - records0;
    out << QStringLiteral(
               "recording every 0.1 s, trend open: %1 records in %2 s (timer rate %3), "
               "live-value cycles %4 /s, CPU %5 % of one core\n")
               .arg(records)
               .arg(seconds, 0, 'f', 1)
               .arg(seconds / 0.1, 0, 'f', 0)
               .arg((port.amount(protocol::Counts) - counts0) / seconds, 0, 'f', 1)
               .arg(100 * (cpuSeconds() - cpu0) / seconds, 0, 'f', 2);
    recording.switchLogging(false);
}

}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless a display is named, so the benchmark can also run under Xvfb.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir folder;
    createProgramFolder(folder.path());
    const QString ports = folder.filePath(QStringLiteral("ports"));
    QProcess sim;
    if (!startLinkedSimulator(sim, ports)) return 1;

    SteadyClock clock;
    SerialPort serial([ports](int n) { return portPath(n, ports); });
    serial.onData([&clock] { clock.wake(); });
    CountingPort port(serial);
    ConsoleDialogs dialogs;
    App tool(port, clock, dialogs, folder.path(), systemSerialPorts);

    QElapsedTimer start;
    start.start();
    tool.load();
    tool.window().show();
    runFor(20.0, [&] { return tool.session().live.Counts != 0; });
    const double firstValue = double(start.nsecsElapsed()) / 1e9;
    const double fixedWaitTimes =
        1.0 + 1.0 + 1.0 + 0.010;  // TimCheckVerb, after the first byte, readError, TimCounts
    const double eeprom = 516 * protocol::ByteTime;
    out << QStringLiteral(
               "first live value after %1 s; fixed waits %2 s (+ %3 s EEPROM wire time): %4 s over "
               "the waits\n")
               .arg(firstValue, 0, 'f', 3)
               .arg(fixedWaitTimes, 0, 'f', 3)
               .arg(eeprom, 0, 'f', 3)
               .arg(firstValue - fixedWaitTimes, 0, 'f', 3);

    const int counts0 = port.amount(protocol::Counts);
    const double cpu0 = cpuSeconds();
    QElapsedTimer duration;
    duration.start();
    idleFor(PollSeconds);
    const double seconds = double(duration.nsecsElapsed()) / 1e9;
    const double cycles = (port.amount(protocol::Counts) - counts0) / seconds;
    const double limit = liveCycleLimit();
    out << QStringLiteral("live-value cycles: %1 /s, limit %2 /s (%3 %)\n")
               .arg(cycles, 0, 'f', 1)
               .arg(limit, 0, 'f', 1)
               .arg(100 * cycles / limit, 0, 'f', 1);
    out << QStringLiteral("CPU while polling with the window: %1 % of one core\n")
               .arg(100 * (cpuSeconds() - cpu0) / seconds, 0, 'f', 2);
    measureLogging(tool, folder.path(), port, out);
    out << QStringLiteral("messages shown: %1\n").arg(dialogs.ended() ? "program ended" : "none");
    sim.terminate();
    sim.waitForFinished();
    return 0;
}
