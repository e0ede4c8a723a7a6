#include "sim/meter.h"

#include <QMap>
#include <algorithm>
#include <cmath>

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "link/protocol.h"

using namespace protocol;

namespace {

// Where the meter keeps the parameters that commands 08, 09 and 0A set.
const QMap<quint8, int> ByteTargets = {
    {byteparam::Ausgangsart, address::Ausgangsart},
    {byteparam::Analogbereich, address::Analogbereich},
    {byteparam::Digitalflags, address::Digitalflags},
    {byteparam::Impulsdauer, address::Impulsdauer},
    {byteparam::Frequenzbereich, address::Frequenzbereich},
    {byteparam::Frequenzvorteiler, address::Frequenzvorteiler},
    {byteparam::Frequenzteiler, address::Frequenzteiler},
};
const QMap<quint8, int> WordTargets = {
    {wordparam::Filterfaktor, address::Filterfaktor},
    {wordparam::OffsetU05, address::AnalogTrim[0]},
    {wordparam::FactorU05, address::AnalogTrim[4]},
    {wordparam::OffsetU010, address::AnalogTrim[1]},
    {wordparam::FactorU010, address::AnalogTrim[5]},
    {wordparam::OffsetI020, address::AnalogTrim[2]},
    {wordparam::FactorI020, address::AnalogTrim[6]},
    {wordparam::OffsetI420, address::AnalogTrim[3]},
    {wordparam::FactorI420, address::AnalogTrim[7]},
    {wordparam::FrequenzMax, address::FrequenzMax},
    {wordparam::FrequenzMin, address::FrequenzMin},
};
const QMap<quint8, int> FloatTargets = {
    {floatparam::Impulsteiler, address::Impulsteiler},
    {floatparam::Reserve, address::Reserve270},
    {floatparam::MEW, address::MEW},
    {floatparam::SchaltMin, address::SchaltMin},
    {floatparam::SchaltMax, address::SchaltMax},
    {floatparam::Schleichmenge, address::Schleichmenge},
    {floatparam::MOG, address::MOG},
};

QByteArray word16Bytes(quint16 value) {
    return byteOrder::word16(value);
}

}  // namespace

Meter::Meter(const QByteArray& eeprom) : eeprom_(eeprom), workingData_(eeprom) {
    eeprom_.resize(EepromSize);
    workingData_ = eeprom_;
}

Meter::Reaction Meter::dle(const QByteArray& data) {
    return {char(DLE) + data, false};
}

Meter::Reaction Meter::nak() {
    return {QByteArray(1, char(NAK)), false};
}

void Meter::restart() {
    workingData_ = eeprom_;
}

Meter::Reaction Meter::handleFrame(const QByteArray& r, double time) {
    const quint8 sub = r.size() > 2 ? quint8(r[1]) : 0;
    switch (quint8(r[0])) {
        case ConnectionTest:
            return dle();
        case Reset:
            return reset(sub);
        case Counts:
            if (sub == CountsRaw) return dle(word16Bytes(countsRaw(time)));
            if (sub == CountsFlow) return dle(word16Bytes(countsFlow(time)));
            return nak();
        case SupportPoints:
            return supportPointTable(r);
        case Store:
            eeprom_ = workingData_;
            return dle();
        case WriteByte:
        case WriteWord:
        case WriteFloat:
            return parameter(r);
        case EepromRequest:
            if (coldStartNeeded) return {QByteArray(1, '\0'), false};
            return dle(eeprom_);
        case ReadConfig:
            if (sub != ConfigCalibration) return nak();
            return dle(r.left(2) + workingData_.left(ConfigBytes));
        case WriteConfig:
            workingData_.replace(0, ConfigBytes, r.mid(1, ConfigBytes));
            return dle();
        case EepromByte:
            return eepromByte(r);
        case ErrorStatus:
            return dle(QByteArray(1, char(errorCode)));
        default:
            return nak();
    }
}

Meter::Reaction Meter::reset(quint8 sub) {
    if (sub == ResetColdStart) {
        if (coldStartNeeded && ++coldStartResets_ >= 2) {
            coldStartNeeded = false;
            coldStartResets_ = 0;
        }
        return {QByteArray(), true};
    }
    if (sub == ResetAfterSupportPoints) return {QByteArray(1, char(DLE)), true};
    return nak();
}

Meter::Reaction Meter::parameter(const QByteArray& r) {
    const quint8 k = quint8(r[1]);
    const QByteArray value = r.mid(2, r.size() - 3);
    const auto& targets = quint8(r[0]) == WriteByte   ? ByteTargets
                          : quint8(r[0]) == WriteWord ? WordTargets
                                                      : FloatTargets;
    if (!targets.contains(k)) return nak();
    workingData_.replace(targets.value(k), value.size(), value);
    return dle();
}

Meter::Reaction Meter::supportPointTable(const QByteArray& r) {
    const QByteArray table = r.mid(2, SupportPointsPerFrame * SupportPointBytes);
    workingData_[address::StpAnzahl] = r[1];
    workingData_.replace(address::FirstSupportPoint, table.size(), table);
    return dle();
}

Meter::Reaction Meter::eepromByte(const QByteArray& r) {
    const int a = byteOrder::readWord16(r, 2);
    if (a >= EepromSize) return nak();
    eeprom_[a] = r[1];
    workingData_[a] = r[1];
    return dle();
}

double Meter::flowKghAt(double time) {
    switch (profile.kind) {
        case FlowProfile::Kind::Constant:
            return profile.kgh;
        case FlowProfile::Kind::Ramp:
            return profile.kgh * std::fmod(std::max(time, 0.0), profile.period) / profile.period;
        case FlowProfile::Kind::Noise: {
            std::normal_distribution<double> spread(0.0, profile.noise);
            return std::max(0.0, profile.kgh * (1.0 + spread(rng_)));
        }
    }
    return 0.0;
}

quint16 Meter::countsFlow(double time) {
    const double flow = flowKghAt(time);
    if (flow < byteOrder::readFloat32(eeprom_, address::Schleichmenge)) return 0;
    const bool overflow = byteOrder::readByte(eeprom_, address::Ueberlauf) == 1;
    const double scale = byteOrder::readFloat32(eeprom_, address::MEW) * (overflow ? 1.1 : 1.0);
    if (!(scale > 0)) return 0;
    return quint16(std::clamp(std::lround(flow / scale * 65535.0), 0L, 65535L));
}

quint16 Meter::countsRaw(double time) {
    const double flow = flowKghAt(time);
    const int n = std::min<int>(byteOrder::readByte(eeprom_, address::StpAnzahl), 34);
    double previousCounts = 0, previousFlow = 0;
    for (int i = 0; i < n; ++i) {
        const int a = address::FirstSupportPoint + address::SupportPointStride * i;
        const double c = byteOrder::readWord16(eeprom_, a);
        const double f = byteOrder::readFloat32(eeprom_, a + address::SupportPointFlowOffset);
        if (flow <= f) {
            if (i == 0 || f <= previousFlow) return quint16(c);
            return quint16(
                std::lround(previousCounts +
                            (c - previousCounts) * (flow - previousFlow) / (f - previousFlow)));
        }
        previousCounts = c;
        previousFlow = f;
    }
    return quint16(previousCounts);
}
