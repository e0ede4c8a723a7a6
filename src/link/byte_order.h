#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Byte orders of the meter: Word16 high byte first, Float32 and DWord32 least
// significant byte first. Readers take an address into a byte string and
// throw umrechnungen::IndexFehler instead of reading past its end.
namespace byteOrder {

QByteArray word16(quint16 value);
QByteArray float32(float value);
QByteArray dword32(quint32 value);

quint8 readByte(const QByteArray& data, int address);
quint16 readWord16(const QByteArray& data, int address);
qint16 readWord16Signed(const QByteArray& data, int address);
float readFloat32(const QByteArray& data, int address);
quint32 readDword32(const QByteArray& data, int address);
QString readText(const QByteArray& data, int address, int length);

}  // namespace byteOrder
