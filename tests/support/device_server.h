#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The serial device server ser2net in front of a terminal: a raw and an
// RFC 2217 (Telnet COM-port control) accepter on free ports of this
// machine; stopped when it goes out of scope.
class DeviceServer {
public:
    explicit DeviceServer(const QString& terminal);
    ~DeviceServer();
    // Empty when it runs; otherwise why it does not.
    QString fault() const { return fault_; }
    QString rawUrl() const { return QStringLiteral("socket://127.0.0.1:%1").arg(raw_); }
    QString rfc2217Url() const { return QStringLiteral("rfc2217://127.0.0.1:%1").arg(telnet_); }
    // The server goes away, dropping its connections.
    void stop();

private:
    bool accepting(quint16 port) const;

    QTemporaryDir folder_;
    QProcess process_;
    quint16 raw_ = 0, telnet_ = 0;
    QString fault_;
};
