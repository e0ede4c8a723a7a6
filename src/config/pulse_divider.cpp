#include "config/pulse_divider.h"

#include <algorithm>
#include <cmath>

#include "link/umrechnungen.h"

namespace {

constexpr double MaxDivisor = 4294967295.0;
constexpr double MaxWithFraction = 16777216.0;  // 2^24: room left for eight fractional bits
constexpr double FractionScale = 256.0;
constexpr int FractionFlag = 0x04;  // Digitalflags bit 2

}  // namespace

PulseDivider Impulsteilerberechnung(float impulswert, float impulsbasis16) {
    const double w = impulswert, b = impulsbasis16;
    PulseDivider d;
    if (w < b) {
        d.refusedText = 29;
    } else if (w > b * MaxDivisor) {
        d.refusedText = 28;
    } else {
        d.fractionalBits = w <= b * MaxWithFraction;
        const double divisor =
            std::min(d.fractionalBits ? w * FractionScale / b : w / b, MaxDivisor);
        d.Impulsteiler = qint32(umrechnungen::Wort32NachLong(qint64(std::llround(divisor))));
    }
    return d;
}

PulseDivider Impulsteilerberechnung(MeterParameters& m) {
    const PulseDivider d = Impulsteilerberechnung(m.Impulswert, m.Impulsbasis16);
    if (d.refusedText) return d;
    m.Impulsteiler = d.Impulsteiler;
    m.Digitalflags = (m.Digitalflags & ~FractionFlag) | (d.fractionalBits ? FractionFlag : 0);
    return d;
}
