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

// The time base the pulse editor reads from a unit's name: the first of the
// six suffixes, in the order above, that the name holds; empty for none.
QString search(const QString& unit);
// Amounts per pulse in a time base are this many times the hourly amount.
// A unit without a time base is taken as per hour.
double perHour(const QString& zeitbasis);
// The pulse editor's amount unit: "kg/h" gives "kg/Puls", a unit without "/" just "Puls".
QString amountUnit(const QString& unit);

}  // namespace timeBase
