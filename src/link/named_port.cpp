#include "link/named_port.h"

NamedPort::NamedPort(std::function<QString(int)> deviceName, Clock& clock)
    : serial_(std::move(deviceName)), network_(clock) {}

void NamedPort::setCommPort(const QString& port) {
    serial_.setCommPort(port);
}

// The name is looked at when the port opens, as a file naming port N may
// have changed since it was chosen.
OpenResult NamedPort::openPort() {
    const QString target = serial_.systemName();
    Port* chosen = isPortUrl(target) ? static_cast<Port*>(&network_) : &serial_;
    if (chosen != active_) active_->closePort();
    active_ = chosen;
    network_.setCommPort(target);
    return active_->openPort();
}

void NamedPort::onData(const std::function<void()>& f) {
    serial_.onData(f);
    network_.onData(f);
}
