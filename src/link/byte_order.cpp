#include "link/byte_order.h"

#include "link/umrechnungen.h"

using namespace umrechnungen;

namespace bytefolge {
namespace {

void pruefe(const QByteArray& daten, int adresse, int breite) {
    if (adresse < 0 || adresse + breite > daten.size())
        throw IndexFehler("Index außerhalb des gültigen Bereichs");
}

QByteArray scratch() {
    return QByteArray(4, '\0');
}

}  // namespace

QByteArray word16(quint16 wert) {
    QByteArray s = scratch();
    IntegerNachBytes(qint16(Wort16NachInteger(wert)), s, 0);
    return QByteArray() + s[1] + s[0];
}

QByteArray float32(float wert) {
    QByteArray s = scratch();
    SingleNachBytes(wert, s, 0);
    return QByteArray() + s[3] + s[2] + s[1] + s[0];
}

QByteArray dword32(quint32 wert) {
    QByteArray s = scratch();
    LongNachBytes(qint32(wert), s, 0);
    return s;
}

quint8 leseByte(const QByteArray& daten, int adresse) {
    pruefe(daten, adresse, 1);
    return quint8(daten[adresse]);
}

quint16 leseWord16(const QByteArray& daten, int adresse) {
    pruefe(daten, adresse, 2);
    QByteArray s = scratch();
    s[0] = daten[adresse + 1];
    s[1] = daten[adresse];
    return quint16(BytesNachLong(s, 0));
}

qint16 leseWord16Signed(const QByteArray& daten, int adresse) {
    pruefe(daten, adresse, 2);
    QByteArray s = scratch();
    s[0] = daten[adresse + 1];
    s[1] = daten[adresse];
    return BytesNachInteger(s, 0);
}

float leseFloat32(const QByteArray& daten, int adresse) {
    pruefe(daten, adresse, 4);
    return BytesNachSingle(daten.mid(adresse, 4), 0);
}

quint32 leseDWord32(const QByteArray& daten, int adresse) {
    pruefe(daten, adresse, 4);
    return quint32(BytesNachLong(daten.mid(adresse, 4), 0));
}

QString leseText(const QByteArray& daten, int adresse, int laenge) {
    pruefe(daten, adresse, laenge);
    return QString::fromLatin1(daten.mid(adresse, laenge));
}

}  // namespace bytefolge
