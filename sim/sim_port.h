#pragma once

#include "link/port.h"
#include "sim/line.h"

// The port seam served in-process by the simulated meter.
class SimPort : public Port {
public:
    explicit SimPort(Line& line) : line_(line) {}

    void setCommPort(const QString& port) override { port_ = port; }
    QString commPort() const override { return port_; }
    OpenResult openPort() override;
    void closePort() override { open_ = false; }
    bool portOpen() const override { return open_; }
    void output(const QByteArray& bytes) override;
    int inBufferCount() override { return int(buffer_.size()); }
    void clearInBuffer() override { buffer_.clear(); }
    QByteArray input() override;

    // The line delivers the meter's bytes here.
    void deliver(const QByteArray& bytes);

private:
    Line& line_;
    QString port_;
    bool open_ = false;
    QByteArray buffer_;
};

// A simulated meter with its line and port, for in-process use.
struct Simulator {
    explicit Simulator(Scheduler& time, const QByteArray& eeprom);

    Meter meter;
    Line line;
    SimPort port;
};
