#pragma once

#include <QString>

#include "device/masseinheit.h"

// Units name their time base: "/h", "/min", "/sec", "SCFM", "SCFH", "SCFS".
namespace zeitbasis {

// Pulses per hour are shown per the unit's own time base: the factor from
// the hourly pulse value, 1, 60 or 3600. The last of the six suffixes found
// in the name decides; none gives 1.
double faktor(const QString& einheit);

// "kg/h" gives "kg/Puls"; a unit without "/" gives its name and "/Puls".
QString pulseinheit(const QString& einheit);

}  // namespace zeitbasis
