#include "files/language_file.h"

#include <QFile>

#include "config/sequential_input.h"

namespace {

constexpr int Dateiende = 999;
constexpr int MaxZeilen = 100;

}  // namespace

bool TexteLaden(const QString& pfad, Texte& texte) {
    for (int i = 1; i < Texte::Anzahl; ++i)
        texte.eintrag[size_t(i)].clear();
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return false;
    SequenzielleEingabe werte(QString::fromLatin1(datei.readAll()));
    for (;;) {
        int index = 0, anzahl = 0;
        if (!werte.zahl(index) || !werte.zahl(anzahl)) return false;
        if (anzahl == Dateiende) return true;
        if (anzahl < 1 || anzahl > MaxZeilen) return false;
        for (int j = 0; j < anzahl; ++j) {
            QString zeile;
            if (!werte.naechster(zeile)) return false;
            if (index < 0 || index >= Texte::Anzahl) continue;
            QString& text = texte.eintrag[size_t(index)];
            text = (text.isEmpty() && j == 0) ? zeile : text + QStringLiteral("\r\n") + zeile;
        }
    }
}

QString textdateiName(Sprache s) {
    return waehle(s, QStringLiteral("Texte.ger"), QStringLiteral("Texte.eng"),
                  QStringLiteral("Texte.fra"));
}

QString textdateiFehler(Sprache s) {
    return waehle(s, QStringLiteral("Datei Texte.GER nicht vorhanden !"),
                  QStringLiteral("File Texte.ENG not valid !"),
                  QStringLiteral("Datei Texte.FRA nicht vorhanden !"));
}

QString textdateiFehlerTitel(Sprache s) {
    return waehle(s, QStringLiteral("Fehler Datei lesen"), QStringLiteral("Error reading File"),
                  QStringLiteral("Fehler Datei lesen"));
}
