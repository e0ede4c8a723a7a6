#include "sim/tcp_server.h"

bool TcpServer::start(quint16 port, QString& fault) {
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { accept(); });
    if (server_.listen(QHostAddress::Any, port)) return true;
    fault = server_.errorString();
    return false;
}

void TcpServer::accept() {
    while (QTcpSocket* next = server_.nextPendingConnection()) {
        if (client_) client_->abort();
        client_ = next;
        next->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        QObject::connect(next, &QTcpSocket::readyRead, next, [this, next] {
            const QByteArray bytes = next->readAll();
            if (line_ && next == client_) line_->receive(bytes);
        });
        QObject::connect(next, &QTcpSocket::disconnected, next, &QObject::deleteLater);
    }
}

void TcpServer::sendBytes(const QByteArray& bytes) {
    if (client_) client_->write(bytes);
}
