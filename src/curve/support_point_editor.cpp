#include "curve/support_point_editor.h"

#include <cmath>

namespace supportPointEditor {
namespace {

void store(MeterParameters& m, int p, double c, double f) {
    m.StpCounts[size_t(p)] = qint32(std::nearbyint(c));
    m.StpFlow[size_t(p)] = float(f);
}

void copy(MeterParameters& m, int to, int from) {
    m.StpCounts[size_t(to)] = from ? m.StpCounts[size_t(from)] : 0;
    m.StpFlow[size_t(to)] = from ? m.StpFlow[size_t(from)] : 0.0f;
}

bool inTable(int p) {
    return p >= 1 && p <= MaxPoints;
}

}  // namespace

Applied apply(MeterParameters& m, int p, double c, double f) {
    if (!inTable(p)) return Applied::Gap;
    if (m.StpCounts[size_t(p)] == c && m.StpFlow[size_t(p)] == float(f)) return Applied::Unchanged;
    if (p > m.StpAnzahl && p != 1) {
        if (m.StpAnzahl + 1 != p) return Applied::Gap;
        ++m.StpAnzahl;
    }
    store(m, p, c, f);
    return Applied::Stored;
}

bool insert(MeterParameters& m, int p) {
    if (m.StpAnzahl >= MaxPoints || !inTable(p)) return false;
    for (int i = MaxPoints; i > p; --i)
        copy(m, i, i - 1);
    copy(m, p, 0);
    ++m.StpAnzahl;
    return true;
}

void remove(MeterParameters& m, int p) {
    if (!inTable(p)) return;
    for (int i = p; i <= MaxPoints; ++i)
        copy(m, i, i == MaxPoints ? 0 : i + 1);
    m.StpAnzahl = qMax(0, m.StpAnzahl - 1);
}

}  // namespace supportPointEditor
