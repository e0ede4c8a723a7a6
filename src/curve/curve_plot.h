#pragma once

#include <QList>
#include <QPointF>
#include <optional>

#include "device/meter_parameters.h"

// What the characteristic-curve chart shows of a support-point table: points
// as (counts, kg/h), the axis ranges and the points to be marked.
namespace curvePlot {

constexpr double MinCounts = 5000;
constexpr double MinFlow = 100;
// A flow of exactly 0 is lifted to this so the point lies on the axis and
// still counts as drawn rather than as a missing value.
constexpr double ZeroFlow = 1e-10;

struct Range {
    double min = 0;
    double max = 0;
};

struct Plot {
    QList<QPointF> curve;
    std::optional<QList<QPointF>> stored;  // the meter's table, when one is given
    QList<int> notRising;                  // point numbers from 1, into curve
    Range counts;
    Range flow;
};

// Points 1 to 30 up to the first one with counts 0; counts are read as the
// unsigned 16-bit word the meter holds.
QList<QPointF> points(const MeterParameters& table);

// The axes start at 0 and span at least MinCounts and MinFlow. Past those they
// end a tenth above the largest value of either table, rounded up to two
// significant digits (200 kg/h gives 220), so the last point clears the frame.
Plot plot(const MeterParameters& edited, const MeterParameters* stored);

}  // namespace curvePlot
