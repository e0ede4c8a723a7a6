#pragma once

#include <QByteArray>
#include <QTcpSocket>
#include <functional>
#include <memory>
#include <optional>

#include "link/clock.h"
#include "link/network_address.h"
#include "link/port.h"
#include "link/telnet.h"

// A meter behind a serial device server, reached over TCP: raw, or with
// Telnet COM-port control, which sets the server's line to the meter's
// 9600 baud 8N1 without handshake. A connection the server drops closes
// the port, as an unplugged adapter does; opening again reconnects.
class NetworkPort : public Port {
public:
    explicit NetworkPort(Clock& clock);
    ~NetworkPort() override;

    // The port's URL.
    void setCommPort(const QString& url) override { url_ = url.trimmed(); }
    QString commPort() const override { return url_; }
    // Connects, waiting on the clock at most ConnectSeconds.
    OpenResult openPort() override;
    void closePort() override;
    bool portOpen() const override;
    void output(const QByteArray& bytes) override;
    int inBufferCount() override { return int(received_.size()); }
    void clearInBuffer() override { received_.clear(); }
    QByteArray input() override;

    // Called when new bytes arrive, so a waiting clock can look at them.
    void onData(std::function<void()> f) { onData_ = std::move(f); }

    static constexpr double ConnectSeconds = 5.0;

private:
    OpenResult connectTo(const NetworkAddress& a);
    void fetch();
    void acknowledgeAtOnce();
    void lose();

    Clock& clock_;
    QString url_;
    std::unique_ptr<QTcpSocket> socket_;
    std::optional<telnet::Decoder> telnet_;  // set on an RFC 2217 port
    QByteArray received_;
    std::function<void()> onData_;
};
