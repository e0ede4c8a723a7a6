#pragma once

#include <QByteArray>
#include <QStringList>

#include "link/link.h"

class Session;

// A sequence of absolute writes (the calibration reset and a restore), with
// its exchanges listed in lst_rs232: the image it asks the meter to hold, and
// the steps the meter refused. A step returns false only when the meter no
// longer answers, which is reported and ends the sequence.
class LoggedWrites {
public:
    LoggedWrites(Session& core, QByteArray image) : asked(std::move(image)), core_(core) {}

    // One request per byte, byte i to address a + i.
    bool absoluteWrite(const QByteArray& bytes, int address, const char* label);
    // The request, sent again while the meter rejects it, with its answer logged.
    Reply exchange(const QByteArray& frame, const char* label);
    bool taken(const Reply& r, const QString& step);

    QByteArray asked;
    QStringList refused;

private:
    void log(const QString& line);

    Session& core_;
    QStringList log_;
};
