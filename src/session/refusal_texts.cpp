#include "session/refusal_texts.h"

namespace refusalTexts {

QString value(const Refusal& r) {
    return QStringLiteral("%1 = %2 (%3)").arg(configValueName(r.value), r.given, r.limit);
}

QString title(Language s) {
    return choose(s, QStringLiteral("Wert nicht zulässig"), QStringLiteral("Value not allowed"),
                  QStringLiteral("Valeur non admise"));
}

QString inFile(Language s, const QString& file, const Refusal& r) {
    const int line = configFileLine(r.value);
    if (line == 0) return file + QStringLiteral(": ") + value(r);
    return choose(s, QStringLiteral("%1, Zeile %2: %3"), QStringLiteral("%1, line %2: %3"),
                  QStringLiteral("%1, ligne %2 : %3"))
        .arg(file)
        .arg(line)
        .arg(value(r));
}

QString fileTitle(Language s) {
    return choose(s, QStringLiteral("Konfigurationsdatei nicht übernommen"),
                  QStringLiteral("Configuration file not taken"),
                  QStringLiteral("Fichier de configuration refusé"));
}

}  // namespace refusalTexts
