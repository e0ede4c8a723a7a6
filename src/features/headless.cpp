#include "features/headless.h"

Headless::Headless(const QString& programFolder, std::function<QString(int)> deviceName)
    : port(std::move(deviceName), clock), session(port, clock, dialogs, programFolder) {
    port.onData([this] { clock.wake(); });
}

bool Headless::open(const QString& name, QString& failure) {
    port.setCommPort(name);
    const OpenResult r = port.openPort();
    failure = r.description;
    session.state.PortOk = r.ok();
    return r.ok();
}
