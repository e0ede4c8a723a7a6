#include "config/time_base.h"

namespace timeBase {

double factor(const QString& unit) {
    struct Suffix {
        const char* text;
        double factor;
    };
    static const Suffix suffixes[] = {{"/h", 1},    {"/min", 60}, {"/sec", 3600},
                                      {"SCFM", 60}, {"SCFH", 1},  {"SCFS", 3600}};
    double f = 1;
    for (const Suffix& e : suffixes)
        if (unit.contains(QLatin1String(e.text))) f = e.factor;
    return f;
}

QString pulseUnit(const QString& unit) {
    const int slash = unit.indexOf(QLatin1Char('/'));
    if (slash >= 0) return unit.left(slash + 1) + QStringLiteral("Puls");
    return unit + QStringLiteral("/Puls");
}

}  // namespace timeBase
