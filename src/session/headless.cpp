#include "session/headless.h"

Headless::Headless(std::function<QString(int)> deviceName)
    : port(std::move(deviceName)), session(port, clock, dialogs) {
    port.beiDaten([this] { clock.wecken(); });
}

bool Headless::open(const QString& name, QString& failure) {
    port.setCommPort(name);
    const PortOeffnung r = port.oeffnen();
    failure = r.beschreibung;
    session.state.PortOk = r.ok();
    return r.ok();
}
