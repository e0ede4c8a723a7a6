#pragma once

#include <QList>
#include <QVector>

#include "device/meter_parameters.h"

// The support-point table as a whole, as it is written to the meter and
// compared with what the meter holds afterwards.
namespace curveTable {

constexpr int MaxPoints = 30;    // the table request carries thirty records
constexpr int MaxCounts = 4095;  // the sensor's 12 bits; a point needs at least 1

struct Point {
    qint32 counts = 0;
    float flow = 0;  // kg/h
};

// Entries 1 to StpAnzahl of the record, and on to the last entry that holds
// counts where the editor put one beyond the count.
QVector<Point> entries(const MeterParameters& m);

// What stands against writing a table. Entries without counts at its end are
// emptied points and no part of it; one before a point with counts would cut
// the table there.
struct Fault {
    enum class Kind { None, Empty, ZeroBeforeLast, TooMany, Invalid };
    Kind kind = Kind::None;
    int point = 0;  // the point at fault; for TooMany the number of points
    int last = 0;   // the last point with counts
    bool ok() const { return kind == Kind::None; }
};
Fault check(const QVector<Point>& entries);

// The points to write: the entries up to the last one with counts.
QVector<Point> points(const QVector<Point>& entries);

// The points up to the first without counts, as the curve is drawn.
int leadingPoints(const MeterParameters& m);

// Points (numbered from 1) whose counts are not above those of the point
// before, among the points up to the first without counts.
QList<int> notRising(const MeterParameters& m);

// The points (numbered from 1) where `held` differs from `asked`, including
// points only one of them has: counts exactly, flows within the rounding of
// single precision.
QList<int> differing(const QVector<Point>& asked, const QVector<Point>& held);

}  // namespace curveTable
