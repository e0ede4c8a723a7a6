#pragma once

#include <QVector>

#include "device/meter_parameters.h"
#include "link/requests.h"

// Editing the support-point table in place: points 1 to StpAnzahl without
// gaps, at most 30; a point with counts 0 ends what is written to the meter.
namespace supportPointEditor {

constexpr int MaxPoints = 30;

enum class Applied { Stored, Unchanged, Gap };

// Point p takes counts `c` (rounded, halves to even) and flow `f`. A point
// beyond the last one must come right after it; the same values again
// change nothing.
Applied apply(MeterParameters& m, int p, double c, double f);
// Moves points p..29 up by one and empties p; false when the table is full.
bool insert(MeterParameters& m, int p);
// Moves the points after p down by one and empties point 30.
void remove(MeterParameters& m, int p);
// The points up to the first with counts 0, as the meter counts them.
int leadingPoints(const MeterParameters& m);
// All thirty entries as the table request carries them.
QVector<request::SupportPoint> entries(const MeterParameters& m);

}  // namespace supportPointEditor
