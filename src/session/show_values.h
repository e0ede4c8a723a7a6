#pragma once

#include "config/edit_state.h"
#include "config/language.h"
#include "device/meter_parameters.h"
#include "device/unit.h"
#include "session/display_model.h"

// Shows the decoded configuration: the summary page, the current and new
// values of the configuration pages, the list selections, the frames of the
// active digital output, and the device data window. Every label shows this
// meter or nothing: those of outputs it does not have are emptied, and a value
// that cannot be shown (a damping coefficient without a time constant) leaves
// its labels empty while the others are shown; the description of the first
// such failure is returned.
// With the new column only, the current values keep what they show: a
// configuration loaded from a file is shown beside the meter's.
enum class Columns { CurrentAndNew, NewOnly };
QString WerteAnzeigen(const MeterParameters& p, const Unit& e, EditState& b, Language s,
                      DisplayModel& v, Columns columns = Columns::CurrentAndNew);

// The overflow controls and the gauges' full scale, which follow the
// overflow state of firmware that knows it.
void showOverflowState(const MeterParameters& p, Language s, DisplayModel& v);
// The words of the overflow state in the configuration's labels.
void showOverflowTexts(bool active, Language s, DisplayModel& v);
