// Measures the serial link over the simulator on a pseudo-terminal, paced at
// 9600 baud with no meter latency: counts exchanges per second against the
// wire limit, the EEPROM read time against its wire time, and the CPU time
// this process spends per second of polling.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include "bench/cpu_zeit.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/headless.h"

namespace {

constexpr double ByteZeit = 10.0 / 9600.0;
constexpr double PollSekunden = 5.0;
constexpr int EEPromLesungen = 5;

struct Messung {
    double proSekunde;
    double cpuAnteil;
};

// Polls for `PollSekunden`, with `pause` seconds between exchanges as the 10 ms timer does.
Messung pollen(Link& link, Clock& uhr, double pause) {
    QElapsedTimer wand;
    const double cpu0 = cpuSekunden();
    wand.start();
    int n = 0;
    while (wand.elapsed() < PollSekunden * 1000) {
        link.exchange(request::counts(false), protocol::CountsAntwortLaenge, protocol::WarteCounts);
        if (pause > 0)
            uhr.warteBis(
                uhr.jetzt() + pause, [] { return false; }, Ereignisse::Alle);
        ++n;
    }
    const double sekunden = double(wand.nsecsElapsed()) / 1e9;
    return {n / sekunden, (cpuSekunden() - cpu0) / sekunden};
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QProcess sim;
    sim.start(QStringLiteral(ORBIS_SIM), {QStringLiteral("--latency"), QStringLiteral("0")});
    if (!sim.waitForReadyRead(5000)) return 1;
    const QString pfad = QString::fromLocal8Bit(sim.readLine()).trimmed();

    Headless tool;
    QString fehler;
    if (!tool.open(pfad, fehler)) return 2;
    Link& link = tool.session.link();
    Clock& uhr = tool.clock;

    const double grenze = 1.0 / (6 * ByteZeit);
    const Messung dauer = pollen(link, uhr, 0.0);
    aus << QStringLiteral("counts exchanges: %1 /s, wire limit %2 /s (%3 %)\n")
               .arg(dauer.proSekunde, 0, 'f', 1)
               .arg(grenze, 0, 'f', 1)
               .arg(100 * dauer.proSekunde / grenze, 0, 'f', 1);
    aus << QStringLiteral("CPU while polling back to back: %1 % of one core\n")
               .arg(100 * dauer.cpuAnteil, 0, 'f', 2);
    const Messung timer = pollen(link, uhr, 0.010);
    aus << QStringLiteral("CPU while polling every 10 ms: %1 % of one core (%2 cycles/s)\n")
               .arg(100 * timer.cpuAnteil, 0, 'f', 2)
               .arg(timer.proSekunde, 0, 'f', 1);

    QElapsedTimer wand;
    wand.start();
    for (int i = 0; i < EEPromLesungen; ++i)
        if (!tool.session.EEPromLesen()) return 3;
    const double lesen = double(wand.nsecsElapsed()) / 1e9 / EEPromLesungen;
    const double draht = 516 * ByteZeit;
    aus << QStringLiteral("EEPROM read: %1 ms, wire time %2 ms (%3 x)\n")
               .arg(lesen * 1000, 0, 'f', 1)
               .arg(draht * 1000, 0, 'f', 1)
               .arg(lesen / draht, 0, 'f', 3);
    sim.terminate();
    sim.waitForFinished();
    return 0;
}
