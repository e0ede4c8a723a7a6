#include "link/umrechnungen.h"

#include <cstring>

namespace umrechnungen {
namespace {

constexpr int MaxIndex = 32767;

bool passt(const QByteArray& a, int s, int breite) {
    return s >= 0 && s <= MaxIndex - (breite - 1) && s + breite <= a.size();
}

void pruefe(const QByteArray& a, int s, int breite) {
    if (!passt(a, s, breite)) throw IndexFehler("Index außerhalb des gültigen Bereichs");
}

quint32 leseNativ(const QByteArray& a, int s, int breite) {
    quint32 wert = 0;
    for (int i = breite - 1; i >= 0; --i)
        wert = (wert << 8) | quint8(a[s + i]);
    return wert;
}

void schreibeNativ(quint32 wert, QByteArray& a, int s, int breite) {
    for (int i = 0; i < breite; ++i)
        a[s + i] = char((wert >> (8 * i)) & 0xFF);
}

}  // namespace

void SingleNachBytes(float wert, QByteArray& a, int s) {
    pruefe(a, s, 4);
    quint32 bits;
    std::memcpy(&bits, &wert, sizeof bits);
    for (int i = 0; i < 4; ++i)
        a[s + i] = char((bits >> (24 - 8 * i)) & 0xFF);
}

float BytesNachSingle(const QByteArray& a, int s) {
    quint32 bits = passt(a, s, 4) ? leseNativ(a, s, 4) : 0x7FFFFFFFu;
    float wert;
    std::memcpy(&wert, &bits, sizeof wert);
    return wert;
}

void LongNachBytes(qint32 wert, QByteArray& a, int s) {
    pruefe(a, s, 4);
    schreibeNativ(quint32(wert), a, s, 4);
}

qint32 BytesNachLong(const QByteArray& a, int s) {
    pruefe(a, s, 4);
    return qint32(leseNativ(a, s, 4));
}

void IntegerNachBytes(qint16 wert, QByteArray& a, int s) {
    pruefe(a, s, 2);
    schreibeNativ(quint16(wert), a, s, 2);
}

qint16 BytesNachInteger(const QByteArray& a, int s) {
    pruefe(a, s, 2);
    return qint16(quint16(leseNativ(a, s, 2)));
}

qint64 Wort16NachInteger(qint64 wort) {
    return wort > 32767 ? wort - 65536 : wort;
}

qint64 IntegerNachWort16(qint64 wert) {
    return wert < 0 ? wert + 65536 : wert;
}

qint64 Wort32NachLong(qint64 wort) {
    return wort > 2147483647LL ? wort - 4294967296LL : wort;
}

double LongNachWort32(qint64 wert) {
    return wert < 0 ? double(wert) + 4294967296.0 : double(wert);
}

}  // namespace umrechnungen
