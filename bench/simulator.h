#pragma once

#include <QProcess>
#include <QString>

// Starts the simulated meter on a pseudo-terminal without latency; the
// terminal's path, or an empty text when it did not come up.
inline QString startSimulator(QProcess& sim) {
    sim.start(QStringLiteral(ORBIS_SIM), {QStringLiteral("--latency"), QStringLiteral("0")});
    if (!sim.waitForReadyRead(5000)) return QString();
    return QString::fromLocal8Bit(sim.readLine()).trimmed();
}
