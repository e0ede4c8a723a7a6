#pragma once

#include "link/port.h"
#include "sim/leitung.h"

// The port seam served in-process by the simulated meter.
class SimPort : public Port {
public:
    explicit SimPort(Leitung& leitung) : leitung_(leitung) {}

    void setCommPort(const QString& port) override { port_ = port; }
    QString commPort() const override { return port_; }
    PortOeffnung oeffnen() override;
    void schliessen() override { offen_ = false; }
    bool portOpen() const override { return offen_; }
    void output(const QByteArray& bytes) override;
    int inBufferCount() override { return int(puffer_.size()); }
    void inBufferLeeren() override { puffer_.clear(); }
    QByteArray input() override;

    // The line delivers the meter's bytes here.
    void liefere(const QByteArray& bytes);

private:
    Leitung& leitung_;
    QString port_;
    bool offen_ = false;
    QByteArray puffer_;
};

// A simulated meter with its line and port, for in-process use.
struct Simulator {
    explicit Simulator(Scheduler& zeit, const QByteArray& eeprom);

    Messgeraet geraet;
    Leitung leitung;
    SimPort port;
};
