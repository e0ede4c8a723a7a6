#pragma once

#include <QtGlobal>

// The meter's damping: a filter coefficient c of 65535 * e^(-1 / t) for a
// time constant of t ms.

// The time constant in ms that a coefficient gives; throws for a coefficient
// that gives none (0 or less, or 65535).
double filterTime(qint32 filterFactor);
// The damping slider's position for a coefficient: its time in whole ms, at most 5000.
int dampingPosition(qint32 filterFactor);
// Where the damping slider starts for a coefficient: its time in whole ms
// within the slider's 3..5000; a coefficient that gives no time starts at an end.
int dampingPreset(qint32 filterFactor);
// The coefficient for a time constant in ms.
qint32 filterFactorFor(int ms);
