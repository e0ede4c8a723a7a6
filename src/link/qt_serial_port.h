#pragma once

#include <QSerialPort>
#include <functional>

#include "link/port.h"

// The meter's port at 9600 baud, 8N1, no handshaking. A port whose far end
// went away is closed on the first read or resource error and reported once;
// the link itself notices the silent meter through its time-outs.
class QtSerialPort : public Port {
public:
    // `deviceName` maps a port number to the system's device name.
    explicit QtSerialPort(std::function<QString(int)> deviceName);

    void setCommPort(const QString& port) override;
    QString commPort() const override { return port_; }
    OpenResult openPort() override;
    void closePort() override;
    bool portOpen() const override { return serial_.isOpen(); }
    void output(const QByteArray& bytes) override;
    int inBufferCount() override;
    void clearInBuffer() override;
    QByteArray input() override;

    // Called when new bytes arrive, so a waiting clock can look at them.
    void onData(std::function<void()> f) { onData_ = std::move(f); }
    // Called once, outside Qt's error signal, when an open port fails.
    void onLoss(std::function<void(const QString&)> f) { onLoss_ = std::move(f); }

    QString systemName() const;

private:
    void fault(QSerialPort::SerialPortError e);
    void fetchPending();

    QSerialPort serial_;
    QString port_;
    std::function<QString(int)> deviceName_;
    std::function<void()> onData_;
    std::function<void(const QString&)> onLoss_;
    bool lossReported_ = false;
    bool justRead_ = false;  // inside the handler of a read notification
};

// The system device name of port number n on this platform.
QString defaultDeviceName(int number);
