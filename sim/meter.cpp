#include "sim/meter.h"

#include <algorithm>
#include <cmath>

#include "device/eeprom_map.h"
#include "device/write_targets.h"
#include "link/byte_order.h"
#include "link/protocol.h"

using namespace protocol;

namespace {

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
    return applyWrite(workingData_, r) ? dle() : nak();
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
