#pragma once

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

// XOR of all bytes, starting from 0; an empty frame gives 0.
quint8 Pruefsumme(const QByteArray& rahmen);

// One builder per request of the meter's command set; each returns the
// complete frame with its checksum appended.
namespace request {

struct Stuetzstelle {
    quint32 counts = 0;  // only the low 16 bits travel
    float flussKgh = 0;
};

QByteArray mitPruefsumme(QByteArray befehl);

QByteArray verbindungstest();                                               // 00 00
QByteArray kaltstartReset();                                                // 02 00 02
QByteArray resetNachStuetzstellen();                                        // 02 01 03
QByteArray counts(bool roh);                                                // 03 01 02 / 03 02 01
QByteArray stuetzstellen(int anzahl, const QVector<Stuetzstelle>& punkte);  // 04, all 30 entries
QByteArray speichern();                                                     // 05 05
QByteArray byteSchreiben(quint8 k, quint8 wert);                            // 08 k v
QByteArray wortSchreiben(quint8 k, quint16 wert);                           // 09 k high low
QByteArray floatSchreiben(quint8 k, float wert);       // 0A k, least significant byte first
QByteArray dwordSchreiben(quint8 k, quint32 wert);     // 0A k, least significant byte first
QByteArray eepromLesen();                              // 0B 00 0B
QByteArray konfigLesen();                              // 0D 04 09
QByteArray konfigSchreiben(const QByteArray& konfig);  // 0E and the four bytes kept from 0D 04
QByteArray eepromByte(quint8 wert, quint16 adresse);   // 0F v, address high byte first
QByteArray fehlerstatus();                             // 12 12

}  // namespace request
