#pragma once

#include "device/geraeteparameter.h"
#include "session/live_state.h"
#include "session/display_model.h"

// Shows one counts reply: the measured air mass in its two labels, the
// value the analog output drives, the bar gauges, and the counts range.
void MesswertAnzeigen(quint8 high, quint8 low, LiveWerte& w, const Geraeteparameter& p,
                      DisplayModel& v);
