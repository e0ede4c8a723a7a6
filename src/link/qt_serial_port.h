#pragma once

#include <QSerialPort>
#include <functional>

#include "link/port.h"

// The meter's port at 9600 baud, 8N1, no handshaking. A port whose far end
// went away is closed on the first read or resource error and reported once;
// the link itself notices the silent meter through its time-outs.
class QtSerialPort : public Port {
public:
    // `geraetename` maps a port number to the system's device name.
    explicit QtSerialPort(std::function<QString(int)> geraetename);

    void setCommPort(const QString& port) override;
    QString commPort() const override { return port_; }
    PortOeffnung oeffnen() override;
    void schliessen() override;
    bool portOpen() const override { return serial_.isOpen(); }
    void output(const QByteArray& bytes) override;
    int inBufferCount() override;
    void inBufferLeeren() override;
    QByteArray input() override;

    // Called when new bytes arrive, so a waiting clock can look at them.
    void beiDaten(std::function<void()> f) { beiDaten_ = std::move(f); }
    // Called once, outside Qt's error signal, when an open port fails.
    void beiVerlust(std::function<void(const QString&)> f) { beiVerlust_ = std::move(f); }

    QString systemName() const;

private:
    void fehler(QSerialPort::SerialPortError e);
    void abholen();

    QSerialPort serial_;
    QString port_;
    std::function<QString(int)> geraetename_;
    std::function<void()> beiDaten_;
    std::function<void(const QString&)> beiVerlust_;
    bool verlorenGemeldet_ = false;
};

// The system device name of port number n on this platform.
QString standardGeraetename(int nummer);
