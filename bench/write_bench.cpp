// Measures the long writes over the simulator on a pseudo-terminal (9600
// baud, no meter latency): a full configuration write (the default), the
// support-point table ("curve") or the output calibration reset
// ("calibration"). Each one's wall time is set against the waits it is made
// of: the fixed ones that run to their end (the pauses before writing and
// after each request) and those the meter ends by answering (its restart, the
// EEPROM image on the wire). Whatever is above their sum is the tool's own
// overhead.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

#include "bench/counting_port.h"
#include "bench/simulator.h"
#include "device/eeprom_auswerten.h"
#include "features/features.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/steady_clock.h"
#include "session/console_dialogs.h"
#include "session/session.h"

namespace {

// The real clock, keeping account of the waits: those that ran to their
// deadline and those that data ended.
class TimingClock : public Clock {
public:
    explicit TimingClock(Clock& c) : c_(c) {}
    double fixedWaits = 0;
    double answeredWaits = 0;

    double now() const override { return c_.now(); }
    bool waitUntil(double deadline, const std::function<bool()>& done, Events e) override {
        const double start = c_.now();
        const bool ended = c_.waitUntil(deadline, done, e);
        (ended ? answeredWaits : fixedWaits) += c_.now() - start;
        return ended;
    }
    void wake() override { c_.wake(); }
    std::unique_ptr<Timer> timer(std::function<void()> handler) override {
        return c_.timer(std::move(handler));
    }

private:
    Clock& c_;
};

// An edit that writes every analog value and a pulse output.
void editEverything(DeviceData& s) {
    ConfigFile c = s.currentConfig();
    c.MEW = 80, c.Schleichmenge = 0.5, c.Daempfungszeit = 100;
    c.Ausgangsart = (c.Ausgangsart & 0x03) | 0x04;
    c.Impulswert = 0.01f, c.Impulsdauer = 50;
    s.loadConfig(c);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QProcess sim;
    const QString path = startSimulator(sim);
    if (path.isEmpty()) return 1;

    QTemporaryDir folder;
    SteadyClock steady;
    TimingClock clock(steady);
    SerialPort serial(defaultDeviceName);
    CountingPort port(serial);
    serial.onData([&] { clock.wake(); });
    ConsoleDialogs dialogs;
    Session session(port, clock, dialogs, folder.path());
    Features features(session);
    port.setCommPort(path);
    session.state.PortOk = port.openPort().ok();
    session.settings.unit = Unit{};
    session.language = Language::English;
    if (!session.link().testConnection() || !session.EEPromLesen()) return 2;
    EEPromAuswerten(session.linkState.EEPromInhalt, session.meter, session.settings.unit);
    const QString what = app.arguments().value(1, QStringLiteral("config"));
    std::function<bool()> write = [&] {
        editEverything(features.deviceData);
        return features.write.KonfigurationSchreiben() == WriteResult::Written;
    };
    if (what == QLatin1String("curve"))
        write = [&] {
            session.meter.StpFlow[3] += 0.5f;
            return features.points.writeSupportPoints() == WriteResult::Written;
        };
    if (what == QLatin1String("calibration"))
        write = [&] { return features.calibration.calibrationReset() == WriteResult::Written; };

    clock.fixedWaits = clock.answeredWaits = 0;
    const qint64 bytesBefore = port.bytes();
    QElapsedTimer wallClock;
    wallClock.start();
    const bool done = write();
    const double wall = double(wallClock.nsecsElapsed()) / 1e9;
    const double wire = double(port.bytes() - bytesBefore) * protocol::ByteTime;
    out << QStringLiteral(
               "%1 write %2: wall %3 s; fixed waits %4 s; waits the meter ended %5 s "
               "(%6 bytes, %7 s on the wire)\n")
               .arg(what, done ? QStringLiteral("done") : QStringLiteral("FAILED"))
               .arg(wall, 0, 'f', 3)
               .arg(clock.fixedWaits, 0, 'f', 3)
               .arg(clock.answeredWaits, 0, 'f', 3)
               .arg(port.bytes() - bytesBefore)
               .arg(wire, 0, 'f', 3);
    out << QStringLiteral("wall / all waits = %1 x; wall / fixed waits = %2 x\n")
               .arg(wall / (clock.fixedWaits + clock.answeredWaits), 0, 'f', 4)
               .arg(wall / clock.fixedWaits, 0, 'f', 4);
    sim.terminate();
    sim.waitForFinished();
    return done ? 0 : 3;
}
