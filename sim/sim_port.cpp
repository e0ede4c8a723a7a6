#include "sim/sim_port.h"

OpenResult SimPort::openPort() {
    if (open_) return {PortError::AlreadyOpen, QStringLiteral("Port already open")};
    if (line_.fault.gone) return {PortError::NotFound, QStringLiteral("No such device")};
    open_ = true;
    buffer_.clear();
    return {};
}

void SimPort::output(const QByteArray& bytes) {
    if (open_) line_.receive(bytes);
}

QByteArray SimPort::input() {
    QByteArray everything;
    everything.swap(buffer_);
    return everything;
}

void SimPort::deliver(const QByteArray& bytes) {
    if (open_) buffer_.append(bytes);
}

Simulator::Simulator(Scheduler& time, const QByteArray& eeprom)
    : meter(eeprom),
      line(meter, time, [this](const QByteArray& b) { port.deliver(b); }),
      port(line) {}
