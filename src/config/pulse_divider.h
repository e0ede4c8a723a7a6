#pragma once

#include "device/meter_parameters.h"

#include <QtGlobal>

// The pulse divisor the meter needs for an amount per pulse.
struct PulseDivider {
    int refusedText = 0;      // 29 (amount too small) or 28 (too large), title 30; 0 when it fits
    qint32 Impulsteiler = 0;  // bit pattern of the unsigned divisor
    bool fractionalBits = false;  // the divisor carries eight fractional bits (Digitalflags bit 2)
};

// `impulswert` is the amount per pulse referred to the hour, `impulsbasis16`
// the amount one count of the 16-bit divisor stands for at full scale.
PulseDivider Impulsteilerberechnung(float impulswert, float impulsbasis16);
// The same for the meter's Impulswert and Impulsbasis16; a divisor that fits
// is stored in Impulsteiler and bit 2 of Digitalflags, a refusal changes nothing.
PulseDivider Impulsteilerberechnung(MeterParameters& m);
