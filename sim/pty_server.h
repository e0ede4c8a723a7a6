#pragma once

#include <QSocketNotifier>
#include <QString>
#include <memory>

#include "sim/line.h"

// Serves the simulated meter on a pseudo-terminal in real time. The server
// keeps its own handle on the terminal side, so a host that closes and
// reopens the port finds the meter still there.
class PtyServer {
public:
    PtyServer();
    ~PtyServer();

    // Opens the pseudo-terminal; false with `fault` set when that fails.
    bool start(QString& fault);
    QString devicePath() const { return path_; }
    void join(Line& line) { line_ = &line; }
    // Writes the meter's bytes to the host.
    void sendBytes(const QByteArray& bytes);
    // The port goes away: the terminal is closed for good.
    void detach();

private:
    void read();

    int master_ = -1;
    int slave_ = -1;
    QString path_;
    Line* line_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
};
