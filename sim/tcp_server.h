#pragma once

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include "sim/line.h"

// Serves the simulated meter over raw TCP, as a serial device server's raw
// mode does: one client at a time, a new one taking the meter over.
class TcpServer {
public:
    // Listens on `port` of every address; false with `fault` set when that fails.
    bool start(quint16 port, QString& fault);
    void join(Line& line) { line_ = &line; }
    // Writes the meter's bytes to the client, if one is connected.
    void sendBytes(const QByteArray& bytes);

private:
    void accept();

    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    Line* line_ = nullptr;
};
