#pragma once

#include <QByteArray>
#include <QVector>

#include "config/edit_state.h"
#include "device/meter_parameters.h"

// The highest frequency of the variable band while the 10 % overflow is on, in Hz.
constexpr int OverflowFrequencyMax = 2272;

// The parameter writes that bring the meter to the edited configuration,
// worked out before anything is sent: a check that refuses the write refuses
// it whole, so the meter never runs half-written values.
struct WritePlan {
    QVector<QByteArray> frames;  // in the order they are sent, flows in kg/h
    // A refusal: the message's text and title numbers; 0 when the write may go ahead.
    int refusedText = 0;
    int refusedTitle = 0;
    // The variable frequency output is left out with this message; the rest is written.
    int frequencyText = 0;

    bool refused() const { return refusedText != 0; }
};

// `m` holds the values edited in place and the meter's current bytes, `e`
// the ticks, list choices and new values; flows are in the unit whose
// factor (kg/h per unit) is `umrechnungsfaktor`.
WritePlan planConfigurationWrite(const MeterParameters& m, const EditState& e,
                                 double umrechnungsfaktor);

// The frequency output's dividers for the lowest frequency of a variable band.
int frequenzvorteiler(int frequenzMin);
int frequenzteiler(int frequenzMin);
