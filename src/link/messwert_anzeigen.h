#pragma once

#include "device/geraeteparameter.h"
#include "link/live_werte.h"
#include "ui/main_view.h"

// Shows one counts reply: the measured air mass in its two labels, the
// value the analog output drives, the bar gauges, and the counts range.
void MesswertAnzeigen(quint8 high, quint8 low, LiveWerte& w, const Geraeteparameter& p,
                      MainView& v);
