#include "config/damping.h"

#include <cmath>
#include <stdexcept>

namespace {

constexpr double Full = 65535.0;
constexpr int MinFilterTime = 3;
constexpr int MaxFilterTime = 5000;

}  // namespace

double filterTime(qint32 filterFactor) {
    if (filterFactor <= 0)
        throw std::domain_error("Ungültiger Prozeduraufruf oder ungültiges Argument");
    const double log = std::log(filterFactor / Full);
    if (log == 0) throw std::domain_error("Division durch Null");
    return -1.0 / log;
}

int dampingPosition(qint32 filterFactor) {
    return qMin(int(std::lround(filterTime(filterFactor))), MaxFilterTime);
}

int dampingPreset(qint32 filterFactor) {
    if (filterFactor <= 0) return MinFilterTime;
    if (filterFactor >= Full) return MaxFilterTime;
    return qBound(MinFilterTime, int(std::lround(filterTime(filterFactor))), MaxFilterTime);
}

qint32 filterFactorFor(int ms) {
    return ms > 0 ? qint32(std::lround(Full * std::exp(-1.0 / ms))) : 0;
}
