#pragma once

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

// XOR of all bytes, starting from 0; an empty frame gives 0.
quint8 Pruefsumme(const QByteArray& frame);

// One builder per request of the meter's command set; each returns the
// complete frame with its checksum appended.
namespace request {

struct SupportPoint {
    quint32 counts = 0;  // only the low 16 bits travel
    float flowKgh = 0;
};

QByteArray withChecksum(QByteArray command);

QByteArray connectionTest();           // 00 00
QByteArray coldStartReset();           // 02 00 02
QByteArray resetAfterSupportPoints();  // 02 01 03
QByteArray counts(bool raw);           // 03 01 02 / 03 02 01
QByteArray supportPointTable(int amount,
                             const QVector<SupportPoint>& points);  // 04, all 30 entries
QByteArray store();                                                 // 05 05
QByteArray writeByte(quint8 k, quint8 value);                       // 08 k v
QByteArray writeWord(quint8 k, quint16 value);                      // 09 k high low
QByteArray writeFloat(quint8 k, float value);           // 0A k, least significant byte first
QByteArray writeDword(quint8 k, quint32 value);         // 0A k, least significant byte first
QByteArray eepromImage();                               // 0B 00 0B
QByteArray readConfig();                                // 0D 04 09
QByteArray writeConfig(const QByteArray& configBytes);  // 0E and the four bytes kept from 0D 04
QByteArray eepromByte(quint8 value, quint16 address);   // 0F v, address high byte first
QByteArray errorStatus();                               // 12 12

}  // namespace request
