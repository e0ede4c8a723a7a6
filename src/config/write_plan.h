#pragma once

#include <QByteArray>
#include <QVector>

#include "config/edit_state.h"
#include "config/write_check.h"
#include "config/write_intent.h"
#include "device/meter_parameters.h"

// The parameter writes that bring the meter to the edited configuration,
// worked out before anything is sent: a check that refuses the write refuses
// it whole, so the meter never runs half-written values.
struct WritePlan {
    WriteIntent intent;          // what the meter is to hold afterwards
    Refusal refusal;             // why nothing may be sent
    QVector<QByteArray> frames;  // in the order they are sent, flows in kg/h

    bool refused() const { return refusal.refused; }
};

// `asRead` is the meter as last read, `m` holds the values edited in place
// and the meter's current bytes, `e` the ticks, list choices and new values;
// flows are in the unit whose factor (kg/h per unit) is `umrechnungsfaktor`.
WritePlan planConfigurationWrite(const MeterParameters& asRead, const MeterParameters& m,
                                 const EditState& e, double umrechnungsfaktor);

// The frequency output's dividers for the lowest frequency of a variable band.
int frequenzvorteiler(int frequenzMin);
int frequenzteiler(int frequenzMin);
