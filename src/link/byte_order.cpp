#include "link/byte_order.h"

#include "link/umrechnungen.h"

using namespace umrechnungen;

namespace byteOrder {
namespace {

void checkRange(const QByteArray& data, int address, int width) {
    if (address < 0 || address + width > data.size())
        throw IndexError("Index außerhalb des gültigen Bereichs");
}

QByteArray scratch() {
    return QByteArray(4, '\0');
}

}  // namespace

QByteArray word16(quint16 value) {
    QByteArray s = scratch();
    IntegerNachBytes(qint16(Wort16NachInteger(value)), s, 0);
    return QByteArray() + s[1] + s[0];
}

QByteArray float32(float value) {
    QByteArray s = scratch();
    SingleNachBytes(value, s, 0);
    return QByteArray() + s[3] + s[2] + s[1] + s[0];
}

QByteArray dword32(quint32 value) {
    QByteArray s = scratch();
    LongNachBytes(qint32(value), s, 0);
    return s;
}

quint8 readByte(const QByteArray& data, int address) {
    checkRange(data, address, 1);
    return quint8(data[address]);
}

quint16 readWord16(const QByteArray& data, int address) {
    checkRange(data, address, 2);
    QByteArray s = scratch();
    s[0] = data[address + 1];
    s[1] = data[address];
    return quint16(BytesNachLong(s, 0));
}

qint16 readWord16Signed(const QByteArray& data, int address) {
    checkRange(data, address, 2);
    QByteArray s = scratch();
    s[0] = data[address + 1];
    s[1] = data[address];
    return BytesNachInteger(s, 0);
}

float readFloat32(const QByteArray& data, int address) {
    checkRange(data, address, 4);
    return BytesNachSingle(data.mid(address, 4), 0);
}

quint32 readDword32(const QByteArray& data, int address) {
    checkRange(data, address, 4);
    return quint32(BytesNachLong(data.mid(address, 4), 0));
}

QString readText(const QByteArray& data, int address, int length) {
    checkRange(data, address, length);
    return QString::fromLatin1(data.mid(address, length));
}

}  // namespace byteOrder
