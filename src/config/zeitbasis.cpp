#include "config/zeitbasis.h"

namespace zeitbasis {

double faktor(const QString& einheit) {
    struct Endung {
        const char* text;
        double faktor;
    };
    static const Endung endungen[] = {{"/h", 1},    {"/min", 60}, {"/sec", 3600},
                                      {"SCFM", 60}, {"SCFH", 1},  {"SCFS", 3600}};
    double f = 1;
    for (const Endung& e : endungen)
        if (einheit.contains(QLatin1String(e.text))) f = e.faktor;
    return f;
}

QString pulseinheit(const QString& einheit) {
    const int schraegstrich = einheit.indexOf(QLatin1Char('/'));
    if (schraegstrich >= 0) return einheit.left(schraegstrich + 1) + QStringLiteral("Puls");
    return einheit + QStringLiteral("/Puls");
}

}  // namespace zeitbasis
