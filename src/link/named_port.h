#pragma once

#include <functional>

#include "link/network_port.h"
#include "link/serial_port.h"

// The port the technician names: a serial device of this machine, or a meter
// behind a serial device server when the name, or the device a port number
// stands for, is a URL (socket://HOST:PORT, rfc2217://HOST:PORT).
class NamedPort : public Port {
public:
    // `deviceName` maps a port number to its device path or URL.
    NamedPort(std::function<QString(int)> deviceName, Clock& clock);

    void setCommPort(const QString& port) override;
    QString commPort() const override { return serial_.commPort(); }
    OpenResult openPort() override;
    void closePort() override { active_->closePort(); }
    bool portOpen() const override { return active_->portOpen(); }
    void output(const QByteArray& bytes) override { active_->output(bytes); }
    int inBufferCount() override { return active_->inBufferCount(); }
    void clearInBuffer() override { active_->clearInBuffer(); }
    QByteArray input() override { return active_->input(); }
    void watchInput(bool on) override { active_->watchInput(on); }

    // The device path or URL the name stands for.
    QString systemName() const { return serial_.systemName(); }
    // Called when new bytes arrive, so a waiting clock can look at them.
    void onData(const std::function<void()>& f);

private:
    SerialPort serial_;
    NetworkPort network_;
    Port* active_ = &serial_;
};
