#pragma once

#include <QString>

#include "device/unit.h"

// Units name their time base: "/h", "/min", "/sec", "SCFM", "SCFH", "SCFS".
namespace timeBase {

// Pulses per hour are shown per the unit's own time base: the factor from
// the hourly pulse value, 1, 60 or 3600. The last of the six suffixes found
// in the name decides; none gives 1.
double factor(const QString& unit);

// "kg/h" gives "kg/Puls"; a unit without "/" gives its name and "/Puls".
QString pulseUnit(const QString& unit);

}  // namespace timeBase
