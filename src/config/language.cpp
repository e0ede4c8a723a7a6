#include "config/language.h"

Language languageFromName(const QString& name) {
    const QString n = name.trimmed().toUpper();
    if (n == QLatin1String("DEUTSCH")) return Language::German;
    if (n == QLatin1String("ENGLISCH")) return Language::English;
    if (n == QLatin1String("FRANZOESISCH")) return Language::French;
    return Language::Unknown;
}

QString choose(Language s, const QString& de, const QString& en, const QString& fr) {
    switch (s) {
        case Language::English:
            return en;
        case Language::French:
            return fr;
        default:
            return de;
    }
}

QString languageName(Language s) {
    switch (s) {
        case Language::German:
            return QStringLiteral("Deutsch");
        case Language::English:
            return QStringLiteral("Englisch");
        case Language::French:
            return QStringLiteral("Franzoesisch");
        case Language::Unknown:
            break;
    }
    return QString();
}
