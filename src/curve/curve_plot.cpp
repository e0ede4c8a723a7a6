#include "curve/curve_plot.h"

#include <algorithm>
#include <cmath>

#include "curve/curve_table.h"

namespace curvePlot {

namespace {

QPointF point(qint32 counts, float flow) {
    return {double(quint16(counts)), flow == 0 ? ZeroFlow : double(flow)};
}

QPointF largest(const QList<QPointF>& curve, QPointF top) {
    for (const QPointF& p : curve)
        top = {std::max(top.x(), p.x()), std::max(top.y(), p.y())};
    return top;
}

double axisEnd(double minimum, double largest) {
    if (largest <= minimum) return minimum;
    const double end = largest + largest / 10;
    const double step = std::pow(10.0, std::floor(std::log10(end)) - 1);
    return std::ceil(end / step) * step;
}

}  // namespace

QList<QPointF> points(const MeterParameters& table) {
    QList<QPointF> curve;
    for (int i = 1; i <= curveTable::leadingPoints(table); ++i)
        curve << point(table.StpCounts[i], table.StpFlow[i]);
    return curve;
}

Plot plot(const MeterParameters& edited, const MeterParameters* stored) {
    Plot p;
    p.curve = points(edited);
    p.notRising = curveTable::notRising(edited);
    QPointF top = largest(p.curve, {});
    if (stored) {
        p.stored = points(*stored);
        top = largest(*p.stored, top);
    }
    p.counts = {0, axisEnd(MinCounts, top.x())};
    p.flow = {0, axisEnd(MinFlow, top.y())};
    return p;
}

}  // namespace curvePlot
