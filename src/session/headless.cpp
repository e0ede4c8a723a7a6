#include "session/headless.h"

Headless::Headless(std::function<QString(int)> deviceName)
    : port(std::move(deviceName)), session(port, clock, dialogs) {
    port.onData([this] { clock.wake(); });
}

bool Headless::open(const QString& name, QString& failure) {
    port.setCommPort(name);
    const OpenResult r = port.openPort();
    failure = r.description;
    session.state.PortOk = r.ok();
    return r.ok();
}
