#include "device/write_targets.h"

#include <QMap>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "link/protocol.h"

using namespace protocol;

namespace {

struct Target {
    int address;
    const char* name;
};

const QMap<quint8, Target> ByteTargets = {
    {byteparam::Ausgangsart, {address::Ausgangsart, "Ausgangsart"}},
    {byteparam::Analogbereich, {address::Analogbereich, "Analogbereich"}},
    {byteparam::Digitalflags, {address::Digitalflags, "Digitalflags"}},
    {byteparam::Impulsdauer, {address::Impulsdauer, "Impulsdauer"}},
    {byteparam::Frequenzbereich, {address::Frequenzbereich, "Frequenzbereich"}},
    {byteparam::Frequenzvorteiler, {address::Frequenzvorteiler, "Frequenzvorteiler"}},
    {byteparam::Frequenzteiler, {address::Frequenzteiler, "Frequenzteiler"}},
};
const QMap<quint8, Target> WordTargets = {
    {wordparam::Filterfaktor, {address::Filterfaktor, "Filterfaktor"}},
    {wordparam::OffsetU05, {address::AnalogTrim[0], "AnalogTrim"}},
    {wordparam::FactorU05, {address::AnalogTrim[4], "AnalogTrim"}},
    {wordparam::OffsetU010, {address::AnalogTrim[1], "AnalogTrim"}},
    {wordparam::FactorU010, {address::AnalogTrim[5], "AnalogTrim"}},
    {wordparam::OffsetI020, {address::AnalogTrim[2], "AnalogTrim"}},
    {wordparam::FactorI020, {address::AnalogTrim[6], "AnalogTrim"}},
    {wordparam::OffsetI420, {address::AnalogTrim[3], "AnalogTrim"}},
    {wordparam::FactorI420, {address::AnalogTrim[7], "AnalogTrim"}},
    {wordparam::FrequenzMax, {address::FrequenzMax, "FrequenzMax"}},
    {wordparam::FrequenzMin, {address::FrequenzMin, "FrequenzMin"}},
};
const QMap<quint8, Target> FloatTargets = {
    {floatparam::Impulsteiler, {address::Impulsteiler, "Impulsteiler"}},
    {floatparam::Reserve, {address::Reserve270, "Reserve270"}},
    {floatparam::MEW, {address::MEW, "MEW"}},
    {floatparam::SchaltMin, {address::SchaltMin, "SchaltMin"}},
    {floatparam::SchaltMax, {address::SchaltMax, "SchaltMax"}},
    {floatparam::Schleichmenge, {address::Schleichmenge, "Schleichmenge"}},
    {floatparam::MOG, {address::MOG, "MOG"}},
};

}  // namespace

WriteTarget writeTarget(const QByteArray& frame) {
    if (frame.size() < 3) return {};
    const quint8 command = quint8(frame[0]);
    if (command == EepromByte && frame.size() == frameLength(EepromByte)) {
        const int a = byteOrder::readWord16(frame, 2);
        return {a, frame.mid(1, 1), a == address::Ueberlauf ? "Ueberlauf" : "EEPROM"};
    }
    const auto& targets = command == WriteByte    ? ByteTargets
                          : command == WriteWord  ? WordTargets
                          : command == WriteFloat ? FloatTargets
                                                  : QMap<quint8, Target>();
    const auto it = targets.find(quint8(frame[1]));
    if (it == targets.end()) return {};
    return {it->address, frame.mid(2, frame.size() - 3), QString::fromLatin1(it->name)};
}

bool applyWrite(QByteArray& image, const QByteArray& frame) {
    const WriteTarget t = writeTarget(frame);
    if (t.address < 0 || t.address + t.value.size() > image.size()) return false;
    image.replace(t.address, t.value.size(), t.value);
    return true;
}
