#include "config/time_base.h"

namespace timeBase {
namespace {

struct Suffix {
    const char* text;
    double factor;
};
const Suffix suffixes[] = {{"/h", 1},    {"/min", 60}, {"/sec", 3600},
                           {"SCFM", 60}, {"SCFH", 1},  {"SCFS", 3600}};

}  // namespace

double factor(const QString& unit) {
    double f = 1;
    for (const Suffix& e : suffixes)
        if (unit.contains(QLatin1String(e.text))) f = e.factor;
    return f;
}

QString pulseUnit(const QString& unit) {
    return unit.contains(QLatin1Char('/')) ? amountUnit(unit) : unit + QStringLiteral("/Puls");
}

QString search(const QString& unit) {
    for (const Suffix& e : suffixes)
        if (unit.contains(QLatin1String(e.text))) return QLatin1String(e.text);
    return QString();
}

double perHour(const QString& zeitbasis) {
    for (const Suffix& e : suffixes)
        if (zeitbasis == QLatin1String(e.text)) return e.factor;
    return 1;
}

QString amountUnit(const QString& unit) {
    const int slash = unit.indexOf(QLatin1Char('/'));
    return unit.left(slash + 1) + QStringLiteral("Puls");
}

}  // namespace timeBase
