#pragma once

#include "curve/curve_table.h"
#include "device/meter_parameters.h"

// Editing the support-point table in place: points 1 to StpAnzahl without
// gaps, at most 30.
namespace supportPointEditor {

constexpr int MaxPoints = curveTable::MaxPoints;

enum class Applied { Stored, Unchanged, Gap };

// Point p takes counts `c` (rounded, halves to even) and flow `f`. A point
// beyond the last one must come right after it; the same values again
// change nothing.
Applied apply(MeterParameters& m, int p, double c, double f);
// Moves points p..29 up by one and empties p; false when the table is full.
bool insert(MeterParameters& m, int p);
// Moves the points after p down by one and empties point 30.
void remove(MeterParameters& m, int p);

}  // namespace supportPointEditor
