#pragma once

#include <QByteArray>
#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "link/port.h"

// The meter's serial port at 9600 baud, 8N1, no handshaking, on the system's
// terminal interface. A port whose far end went away is closed after the
// first failed read or write; the link notices the silent meter through its
// time-outs.
//
// Arriving bytes are read as the system reports them, one read for each
// report; while the link holds the reports back, they wait in the system
// until someone asks for them.
class SerialPort : public Port {
public:
    // `deviceName` maps a port number to the system's device name.
    explicit SerialPort(std::function<QString(int)> deviceName);
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    void setCommPort(const QString& port) override;
    QString commPort() const override { return port_; }
    OpenResult openPort() override;
    void closePort() override;
    bool portOpen() const override { return fd_ >= 0; }
    void output(const QByteArray& bytes) override;
    int inBufferCount() override;
    void clearInBuffer() override;
    QByteArray input() override;
    void watchInput(bool on) override;

    // Called when new bytes arrive, so a waiting clock can look at them.
    void onData(std::function<void()> f) { onData_ = std::move(f); }

    QString systemName() const;

private:
    OpenResult configure();
    void readReported();
    void fetch();
    void writeUnsent();
    void lose();

    QString port_;
    std::function<QString(int)> deviceName_;
    std::function<void()> onData_;
    QObject context_;  // runs the closing after a loss
    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> readable_;
    std::unique_ptr<QSocketNotifier> writable_;
    QByteArray received_;
    QByteArray unsent_;
    bool watching_ = true;
    bool lost_ = false;
    bool justRead_ = false;  // inside the handler of a read report
};

// The system device name of port number n on this platform.
QString defaultDeviceName(int number);
