#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Byte orders of the meter: Word16 high byte first, Float32 and DWord32 least
// significant byte first. Readers take an address into a byte string and
// throw umrechnungen::IndexFehler instead of reading past its end.
namespace bytefolge {

QByteArray word16(quint16 wert);
QByteArray float32(float wert);
QByteArray dword32(quint32 wert);

quint8 leseByte(const QByteArray& daten, int adresse);
quint16 leseWord16(const QByteArray& daten, int adresse);
qint16 leseWord16Signed(const QByteArray& daten, int adresse);
float leseFloat32(const QByteArray& daten, int adresse);
quint32 leseDWord32(const QByteArray& daten, int adresse);
QString leseText(const QByteArray& daten, int adresse, int laenge);

}  // namespace bytefolge
