#include "curve/curve_table.h"

#include <cfloat>
#include <cmath>

namespace curveTable {
namespace {

bool holdsCounts(const Point& p) {
    return p.counts != 0;
}

int lastWithCounts(const QVector<Point>& entries) {
    for (int i = int(entries.size()); i > 0; --i)
        if (holdsCounts(entries[i - 1])) return i;
    return 0;
}

bool valid(const Point& p) {
    return p.counts >= 1 && p.counts <= MaxCounts && std::isfinite(p.flow);
}

// The meter stores kg/h as single precision: what it holds may differ from
// what was asked by that rounding, and by no more.
bool sameFlow(float asked, float held) {
    return std::fabs(double(asked) - double(held)) <=
           double(FLT_EPSILON) * std::fmax(std::fabs(double(asked)), std::fabs(double(held)));
}

bool same(const Point& a, const Point& b) {
    return a.counts == b.counts && sameFlow(a.flow, b.flow);
}

}  // namespace

QVector<Point> entries(const MeterParameters& m) {
    int n = qBound(0, m.StpAnzahl, MeterParameters::MaxSupportPoints);
    for (int i = n + 1; i <= MaxPoints; ++i)
        if (m.StpCounts[size_t(i)] != 0) n = i;
    QVector<Point> e;
    for (int i = 1; i <= n; ++i)
        e.append({m.StpCounts[size_t(i)], m.StpFlow[size_t(i)]});
    return e;
}

Fault check(const QVector<Point>& entries) {
    const int last = lastWithCounts(entries);
    if (last == 0) return {Fault::Kind::Empty, 0, 0};
    if (last > MaxPoints) return {Fault::Kind::TooMany, last, last};
    for (int i = 1; i <= last; ++i) {
        const Point& p = entries[i - 1];
        if (!holdsCounts(p)) return {Fault::Kind::ZeroBeforeLast, i, last};
        if (!valid(p)) return {Fault::Kind::Invalid, i, last};
    }
    return {Fault::Kind::None, 0, last};
}

QVector<Point> points(const QVector<Point>& entries) {
    return entries.mid(0, lastWithCounts(entries));
}

int leadingPoints(const MeterParameters& m) {
    int n = 0;
    while (n < MaxPoints && m.StpCounts[size_t(n + 1)] != 0)
        ++n;
    return n;
}

QList<int> notRising(const MeterParameters& m) {
    QList<int> marked;
    for (int i = 2; i <= leadingPoints(m); ++i)
        if (quint16(m.StpCounts[size_t(i)]) <= quint16(m.StpCounts[size_t(i - 1)])) marked << i;
    return marked;
}

QList<int> differing(const QVector<Point>& asked, const QVector<Point>& held) {
    QList<int> points;
    for (int i = 1; i <= qMax(asked.size(), held.size()); ++i)
        if (i > asked.size() || i > held.size() || !same(asked[i - 1], held[i - 1])) points << i;
    return points;
}

}  // namespace curveTable
