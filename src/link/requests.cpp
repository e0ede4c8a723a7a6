#include "link/requests.h"

#include "link/byte_order.h"
#include "link/protocol.h"

using namespace protocol;

quint8 Pruefsumme(const QByteArray& frame) {
    quint8 c = 0;
    for (char b : frame)
        c ^= quint8(b);
    return c;
}

namespace request {
namespace {

QByteArray command(quint8 code) {
    return QByteArray(1, char(code));
}

QByteArray command(quint8 code, quint8 sub) {
    return command(code) + char(sub);
}

}  // namespace

QByteArray withChecksum(QByteArray frame) {
    frame.append(char(Pruefsumme(frame)));
    return frame;
}

QByteArray connectionTest() {
    return withChecksum(command(ConnectionTest));
}

QByteArray coldStartReset() {
    return withChecksum(command(Reset, ResetColdStart));
}

QByteArray resetAfterSupportPoints() {
    return withChecksum(command(Reset, ResetAfterSupportPoints));
}

QByteArray counts(bool raw) {
    return withChecksum(command(Counts, raw ? CountsRaw : CountsFlow));
}

QByteArray supportPointTable(int amount, const QVector<SupportPoint>& points) {
    QByteArray r = command(SupportPoints, quint8(amount));
    for (int i = 0; i < SupportPointsPerFrame; ++i) {
        const SupportPoint p = i < points.size() ? points[i] : SupportPoint{};
        r += byteOrder::word16(quint16(p.counts & 0xFFFF));
        r += byteOrder::float32(p.flowKgh);
    }
    return withChecksum(r);
}

QByteArray store() {
    return withChecksum(command(Store));
}

QByteArray writeByte(quint8 k, quint8 value) {
    return withChecksum(command(WriteByte, k) + char(value));
}

QByteArray writeWord(quint8 k, quint16 value) {
    return withChecksum(command(WriteWord, k) + byteOrder::word16(value));
}

QByteArray writeFloat(quint8 k, float value) {
    return withChecksum(command(WriteFloat, k) + byteOrder::float32(value));
}

QByteArray writeDword(quint8 k, quint32 value) {
    return withChecksum(command(WriteFloat, k) + byteOrder::dword32(value));
}

QByteArray eepromImage() {
    return withChecksum(command(EepromRequest, EepromWhole));
}

QByteArray readConfig() {
    return withChecksum(command(ReadConfig, ConfigCalibration));
}

QByteArray writeConfig(const QByteArray& configBytes) {
    return withChecksum(command(WriteConfig) +
                        configBytes.left(ConfigBytes).leftJustified(ConfigBytes, '\0'));
}

QByteArray eepromByte(quint8 value, quint16 address) {
    return withChecksum(command(EepromByte, value) + byteOrder::word16(address));
}

QByteArray errorStatus() {
    return withChecksum(command(ErrorStatus));
}

}  // namespace request
