#pragma once

#include "device/meter_parameters.h"
#include "session/display_model.h"
#include "session/live_state.h"

// Shows one counts reply: the measured air mass in its two labels, the
// value the analog output drives, the bar gauges, and the counts range.
void MesswertAnzeigen(quint8 high, quint8 low, LiveValues& w, const MeterParameters& p,
                      DisplayModel& v);

// Polling is off or the last reply held no value: both halves of the measured
// value and of the analog output lose their digits and read `mark` instead,
// so no earlier reading passes for a current one.
void showPaused(const QString& mark, DisplayModel& v);
