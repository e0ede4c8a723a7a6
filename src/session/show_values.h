#pragma once

#include <optional>

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

// The list entries the shown configuration chose, which a ticked option
// writes, and the amount per pulse in the unit's own time base; -1 leaves
// the editor's choice as it was.
struct ShownChoices {
    int analogRange = 0;
    int errorOutput = -1;
    int frequencyRange = -1;
    std::optional<float> pulseValue;
    QString failure;  // the description of the first value that could not be shown
};

ShownChoices WerteAnzeigen(const MeterParameters& p, const Unit& e, Language s, DisplayModel& v,
                           Columns columns = Columns::CurrentAndNew);

// The overflow controls and the gauges' full scale, which follow the
// overflow state of firmware that knows it.
void showOverflowState(const MeterParameters& p, Language s, DisplayModel& v);
// The words of the overflow state in the configuration's labels.
void showOverflowTexts(bool active, Language s, DisplayModel& v);
