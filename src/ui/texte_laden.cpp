#include "ui/texte_laden.h"

#include <QFile>

namespace {

constexpr int Dateiende = 999;
constexpr int MaxZeilen = 100;

// Splits the file into values as sequential input reads them: a line end or
// a comma ends a value, blanks around it are skipped, and a value in double
// quotes may hold commas.
class Werte {
public:
    explicit Werte(const QString& text) : t_(text) {}

    bool naechster(QString& wert) {
        if (i_ >= t_.size()) return false;
        while (i_ < t_.size() && (t_[i_] == QLatin1Char(' ') || t_[i_] == QLatin1Char('\t')))
            ++i_;
        if (i_ < t_.size() && t_[i_] == QLatin1Char('"')) {
            const int ende = t_.indexOf(QLatin1Char('"'), i_ + 1);
            wert = t_.mid(i_ + 1, (ende < 0 ? t_.size() : ende) - i_ - 1);
            i_ = ende < 0 ? t_.size() : ende + 1;
            while (i_ < t_.size() && !trenner(t_[i_]))
                ++i_;
        } else {
            const int start = i_;
            while (i_ < t_.size() && !trenner(t_[i_]))
                ++i_;
            wert = t_.mid(start, i_ - start).trimmed();
        }
        ueberspringeTrenner();
        return true;
    }

private:
    static bool trenner(QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    }

    void ueberspringeTrenner() {
        if (i_ >= t_.size()) return;
        const QChar c = t_[i_++];
        if (c == QLatin1Char('\r') && i_ < t_.size() && t_[i_] == QLatin1Char('\n')) ++i_;
    }

    const QString t_;
    int i_ = 0;
};

bool zahl(Werte& w, int& n) {
    QString text;
    if (!w.naechster(text)) return false;
    bool ok = false;
    n = text.toInt(&ok);
    return ok;
}

}  // namespace

bool TexteLaden(const QString& pfad, Texte& texte) {
    for (int i = 1; i < Texte::Anzahl; ++i)
        texte.eintrag[size_t(i)].clear();
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return false;
    Werte werte(QString::fromLatin1(datei.readAll()));
    for (;;) {
        int index = 0, anzahl = 0;
        if (!zahl(werte, index) || !zahl(werte, anzahl)) return false;
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
