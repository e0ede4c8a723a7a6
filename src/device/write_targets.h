#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Where the meter keeps what a parameter write (08, 09, 0A) or a direct
// EEPROM write (0F) sets, so that the meter's simulator and the check after
// a write agree on it.
struct WriteTarget {
    int address = -1;  // EEPROM address of the value's first byte; -1 for no such parameter
    QByteArray value;  // the bytes stored there, in the meter's order
    QString name;      // the parameter's name
};

// The target of a complete request frame (checksum included).
WriteTarget writeTarget(const QByteArray& frame);

// Applies a write to an EEPROM image (without the reply's DLE); false when
// the frame names no parameter or an address beyond the image.
bool applyWrite(QByteArray& image, const QByteArray& frame);
