#include "link/network_port.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include "link/protocol.h"

NetworkPort::NetworkPort(Clock& clock) : clock_(clock) {}

NetworkPort::~NetworkPort() {
    closePort();
}

OpenResult NetworkPort::openPort() {
    if (portOpen()) return {PortError::AlreadyOpen, QStringLiteral("%1 is open").arg(url_)};
    QString fault;
    const std::optional<NetworkAddress> a = parseNetworkAddress(url_, fault);
    if (!a) return {PortError::NotFound, fault};
    received_.clear();
    return connectTo(*a);
}

// The wait lets the window repaint; a server that does not answer costs at
// most ConnectSeconds.
OpenResult NetworkPort::connectTo(const NetworkAddress& a) {
    socket_ = std::make_unique<QTcpSocket>();
    QTcpSocket* s = socket_.get();
    s->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QObject::connect(s, &QTcpSocket::readyRead, s, [this] { fetch(); });
    QObject::connect(s, &QTcpSocket::stateChanged, s, [this] { clock_.wake(); });
    // The server may talk Telnet before the wait has seen the connection made.
    const bool rfc2217 = a.kind == NetworkAddress::Kind::Rfc2217;
    if (rfc2217)
        telnet_.emplace();
    else
        telnet_.reset();
    s->connectToHost(a.host, a.port);
    clock_.waitUntil(
        clock_.now() + ConnectSeconds,
        [s] {
            return s->state() != QAbstractSocket::HostLookupState &&
                   s->state() != QAbstractSocket::ConnectingState;
        },
        Events::DisplayOnly);
    if (s->state() != QAbstractSocket::ConnectedState) {
        const QString why = s->state() == QAbstractSocket::UnconnectedState
                                ? s->errorString()
                                : QStringLiteral("no answer within %1 s").arg(ConnectSeconds);
        socket_.reset();
        return {PortError::NotFound, why};
    }
    QObject::connect(s, &QTcpSocket::disconnected, s, [this] { lose(); });
    if (rfc2217) s->write(telnet::opening(quint32(protocol::BaudRate)));
    return {};
}

void NetworkPort::closePort() {
    if (!socket_) return;
    socket_->disconnect();
    socket_->abort();
    socket_.reset();
}

bool NetworkPort::portOpen() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

void NetworkPort::output(const QByteArray& bytes) {
    if (!portOpen()) return;
    socket_->write(telnet_ ? telnet::escape(bytes) : bytes);
}

QByteArray NetworkPort::input() {
    return std::exchange(received_, QByteArray());
}

// A server that sends each byte as it comes from the meter, without
// TCP_NODELAY, holds the next byte until this one is acknowledged; answering
// at once rather than after the system's usual delay keeps a reply from
// stalling for tens of milliseconds between its bytes.
void NetworkPort::acknowledgeAtOnce() {
    const int on = 1;
    ::setsockopt(int(socket_->socketDescriptor()), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
}

void NetworkPort::fetch() {
    acknowledgeAtOnce();
    const QByteArray bytes = socket_->readAll();
    if (telnet_) {
        QByteArray answer;
        received_ += telnet_->feed(bytes, answer);
        if (!answer.isEmpty()) socket_->write(answer);
    } else {
        received_ += bytes;
    }
    if (onData_) onData_();
}

// The server went away: the socket is let go once its signal has returned.
void NetworkPort::lose() {
    if (!socket_) return;
    QTcpSocket* s = socket_.release();
    s->disconnect();
    s->deleteLater();
    clock_.wake();
}
