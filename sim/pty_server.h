#pragma once

#include <QSocketNotifier>
#include <QString>
#include <memory>

#include "sim/leitung.h"

// Serves the simulated meter on a pseudo-terminal in real time. The server
// keeps its own handle on the terminal side, so a host that closes and
// reopens the port finds the meter still there.
class PtyServer {
public:
    PtyServer();
    ~PtyServer();

    // Opens the pseudo-terminal; false with `fehler` set when that fails.
    bool starten(QString& fehler);
    QString geraetepfad() const { return pfad_; }
    void verbinden(Leitung& leitung) { leitung_ = &leitung; }
    // Writes the meter's bytes to the host.
    void sende(const QByteArray& bytes);
    // The port goes away: the terminal is closed for good.
    void trennen();

private:
    void lesen();

    int master_ = -1;
    int slave_ = -1;
    QString pfad_;
    Leitung* leitung_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
};
