#include "files/language_file.h"

#include <QFile>

#include "config/sequential_input.h"

namespace {

constexpr int EndOfFile = 999;
constexpr int MaxRows = 100;

}  // namespace

bool TexteLaden(const QString& path, Texte& texts) {
    for (int i = 1; i < Texte::Count; ++i)
        texts.entry[size_t(i)].clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    SequentialInput values(QString::fromLatin1(file.readAll()));
    for (;;) {
        int index = 0, amount = 0;
        if (!values.asNumber(index) || !values.asNumber(amount)) return false;
        if (amount == EndOfFile) return true;
        if (amount < 1 || amount > MaxRows) return false;
        for (int j = 0; j < amount; ++j) {
            QString row;
            if (!values.next(row)) return false;
            if (index < 0 || index >= Texte::Count) continue;
            QString& text = texts.entry[size_t(index)];
            text = (text.isEmpty() && j == 0) ? row : text + QStringLiteral("\r\n") + row;
        }
    }
}

QString textFileName(Language s) {
    return choose(s, QStringLiteral("Texte.ger"), QStringLiteral("Texte.eng"),
                  QStringLiteral("Texte.fra"));
}

QString textFileError(Language s) {
    return choose(s, QStringLiteral("Datei Texte.GER nicht vorhanden !"),
                  QStringLiteral("File Texte.ENG not valid !"),
                  QStringLiteral("Datei Texte.FRA nicht vorhanden !"));
}

QString textFileErrorTitle(Language s) {
    return choose(s, QStringLiteral("Fehler Datei lesen"), QStringLiteral("Error reading File"),
                  QStringLiteral("Fehler Datei lesen"));
}
