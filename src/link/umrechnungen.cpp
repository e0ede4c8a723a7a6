#include "link/umrechnungen.h"

#include <cstring>

namespace umrechnungen {
namespace {

constexpr int MaxIndex = 32767;

bool fits(const QByteArray& a, int s, int width) {
    return s >= 0 && s <= MaxIndex - (width - 1) && s + width <= a.size();
}

void checkRange(const QByteArray& a, int s, int width) {
    if (!fits(a, s, width)) throw IndexError("Index außerhalb des gültigen Bereichs");
}

quint32 readNative(const QByteArray& a, int s, int width) {
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | quint8(a[s + i]);
    return value;
}

void writeNative(quint32 value, QByteArray& a, int s, int width) {
    for (int i = 0; i < width; ++i)
        a[s + i] = char((value >> (8 * i)) & 0xFF);
}

}  // namespace

void SingleNachBytes(float value, QByteArray& a, int s) {
    checkRange(a, s, 4);
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i)
        a[s + i] = char((bits >> (24 - 8 * i)) & 0xFF);
}

float BytesNachSingle(const QByteArray& a, int s) {
    quint32 bits = fits(a, s, 4) ? readNative(a, s, 4) : 0x7FFFFFFFu;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void LongNachBytes(qint32 value, QByteArray& a, int s) {
    checkRange(a, s, 4);
    writeNative(quint32(value), a, s, 4);
}

qint32 BytesNachLong(const QByteArray& a, int s) {
    checkRange(a, s, 4);
    return qint32(readNative(a, s, 4));
}

void IntegerNachBytes(qint16 value, QByteArray& a, int s) {
    checkRange(a, s, 2);
    writeNative(quint16(value), a, s, 2);
}

qint16 BytesNachInteger(const QByteArray& a, int s) {
    checkRange(a, s, 2);
    return qint16(quint16(readNative(a, s, 2)));
}

qint64 Wort16NachInteger(qint64 word) {
    return word > 32767 ? word - 65536 : word;
}

qint64 IntegerNachWort16(qint64 value) {
    return value < 0 ? value + 65536 : value;
}

qint64 Wort32NachLong(qint64 word) {
    return word > 2147483647LL ? word - 4294967296LL : word;
}

double LongNachWort32(qint64 value) {
    return value < 0 ? double(value) + 4294967296.0 : double(value);
}

}  // namespace umrechnungen
