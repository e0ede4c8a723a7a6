#include "config/language.h"

Sprache spracheAusName(const QString& name) {
    const QString n = name.trimmed().toUpper();
    if (n == QLatin1String("DEUTSCH")) return Sprache::Deutsch;
    if (n == QLatin1String("ENGLISCH")) return Sprache::Englisch;
    if (n == QLatin1String("FRANZOESISCH")) return Sprache::Franzoesisch;
    return Sprache::Unbekannt;
}

QString waehle(Sprache s, const QString& de, const QString& en, const QString& fr) {
    switch (s) {
        case Sprache::Englisch:
            return en;
        case Sprache::Franzoesisch:
            return fr;
        default:
            return de;
    }
}

QString sprachName(Sprache s) {
    switch (s) {
        case Sprache::Deutsch:
            return QStringLiteral("Deutsch");
        case Sprache::Englisch:
            return QStringLiteral("Englisch");
        case Sprache::Franzoesisch:
            return QStringLiteral("Franzoesisch");
        case Sprache::Unbekannt:
            break;
    }
    return QString();
}
