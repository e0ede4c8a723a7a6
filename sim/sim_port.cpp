#include "sim/sim_port.h"

PortOeffnung SimPort::oeffnen() {
    if (offen_) return {PortFehler::SchonOffen, QStringLiteral("Port already open")};
    if (leitung_.fehler.weg) return {PortFehler::NichtVorhanden, QStringLiteral("No such device")};
    offen_ = true;
    puffer_.clear();
    return {};
}

void SimPort::output(const QByteArray& bytes) {
    if (offen_) leitung_.empfange(bytes);
}

QByteArray SimPort::input() {
    QByteArray alles;
    alles.swap(puffer_);
    return alles;
}

void SimPort::liefere(const QByteArray& bytes) {
    if (offen_) puffer_.append(bytes);
}

Simulator::Simulator(Scheduler& zeit, const QByteArray& eeprom)
    : geraet(eeprom),
      leitung(geraet, zeit, [this](const QByteArray& b) { port.liefere(b); }),
      port(leitung) {}
