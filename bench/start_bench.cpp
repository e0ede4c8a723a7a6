// Measures the tool with its window against the simulator on a
// pseudo-terminal, paced at 9600 baud with no meter latency: the time from
// start to the first live value against the fixed waits of the start-up,
// the live-value cycles per second against the limit of the 10 ms timer and
// the wire time, and the CPU time of this process while polling, repaints
// included.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <functional>

#include "bench/cpu_zeit.h"
#include "bench/zaehlender_port.h"
#include "files/program_folder.h"
#include "link/protocol.h"
#include "link/qt_serial_port.h"
#include "link/steady_clock.h"
#include "session/console_dialogs.h"
#include "session/port_list.h"
#include "ui/app.h"

namespace {

constexpr double ByteZeit = 10.0 / 9600.0;
constexpr double PollSekunden = 10.0;

void programmordnerAnlegen(const QString& ordner) {
    for (const QString& d : programmordner::ausgelieferteDateien())
        QFile::copy(QStringLiteral(ORBIS_DATA "/") + d, QDir(ordner).filePath(d));
    QFile einstellungen(QDir(ordner).filePath(QStringLiteral("Q_orbis.CON")));
    einstellungen.open(QIODevice::WriteOnly);
    einstellungen.write("Com1\r\n1\r\nLPT1\r\nDeutsch\r\nkg/h\r\n1\r\n(-)\r\nLuft\r\n");
    QFile marke(QDir(ordner).filePath(QStringLiteral("Q_orbis.SPR")));
    marke.open(QIODevice::WriteOnly);
    marke.write("Deutsch\r\n");
    QDir(ordner).mkdir(QStringLiteral("ports"));
}

// Runs the event loop until `fertig` holds or `s` seconds have passed, looking every 5 ms.
void laufen(double s, const std::function<bool()>& fertig) {
    QEventLoop schleife;
    QTimer blick;
    QObject::connect(&blick, &QTimer::timeout, [&] {
        if (fertig()) schleife.quit();
    });
    blick.start(5);
    QTimer::singleShot(int(s * 1000), &schleife, &QEventLoop::quit);
    schleife.exec();
}

}  // namespace

int main(int argc, char** argv) {
    // Offscreen unless a display is named, so the benchmark can also run under Xvfb.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream aus(stdout);
    QTemporaryDir ordner;
    programmordnerAnlegen(ordner.path());
    const QString ports = ordner.filePath(QStringLiteral("ports"));
    QProcess sim;
    sim.start(QStringLiteral(ORBIS_SIM), {"--latency", "0", "--profile", "constant", "--flow", "75",
                                          "--link", ports + QStringLiteral("/com1")});
    if (!sim.waitForReadyRead(5000)) return 1;

    SteadyClock uhr;
    QtSerialPort serial([ports](int n) { return portPfad(n, ports); });
    serial.beiDaten([&uhr] { uhr.wecken(); });
    ZaehlenderPort port(serial);
    KonsolenDialoge dialoge;
    App tool(port, uhr, dialoge, ordner.path(), seriellePortsDesSystems);

    QElapsedTimer start;
    start.start();
    tool.load();
    tool.window().show();
    laufen(20.0, [&] { return tool.session().live.Counts != 0; });
    const double ersterWert = double(start.nsecsElapsed()) / 1e9;
    const double festeWartezeiten =
        1.0 + 1.0 + 1.0 + 0.010;  // TimCheckVerb, after the first byte, readError, TimCounts
    const double eeprom = 516 * ByteZeit;
    aus << QStringLiteral(
               "first live value after %1 s; fixed waits %2 s (+ %3 s EEPROM wire time): %4 s over "
               "the waits\n")
               .arg(ersterWert, 0, 'f', 3)
               .arg(festeWartezeiten, 0, 'f', 3)
               .arg(eeprom, 0, 'f', 3)
               .arg(ersterWert - festeWartezeiten, 0, 'f', 3);

    const int counts0 = port.anzahl(protocol::Counts);
    const double cpu0 = cpuSekunden();
    QElapsedTimer dauer;
    dauer.start();
    laufen(PollSekunden, [] { return false; });
    const double sekunden = double(dauer.nsecsElapsed()) / 1e9;
    const double zyklen = (port.anzahl(protocol::Counts) - counts0) / sekunden;
    const double zyklus = 0.010 + 6 * ByteZeit;
    const double grenze = 5.0 / (5 * zyklus + 4 * ByteZeit);
    aus << QStringLiteral("live-value cycles: %1 /s, limit %2 /s (%3 %)\n")
               .arg(zyklen, 0, 'f', 1)
               .arg(grenze, 0, 'f', 1)
               .arg(100 * zyklen / grenze, 0, 'f', 1);
    aus << QStringLiteral("CPU while polling with the window: %1 % of one core\n")
               .arg(100 * (cpuSekunden() - cpu0) / sekunden, 0, 'f', 2);
    aus << QStringLiteral("messages shown: %1\n").arg(dialoge.beendet() ? "program ended" : "none");
    sim.terminate();
    sim.waitForFinished();
    return 0;
}
