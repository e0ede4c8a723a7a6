#pragma once

#include <QString>

// Splits a text file into values the way sequential input reads them: a line
// end or a comma ends a value, blanks around it are skipped, and a value in
// double quotes may hold commas.
class SequenzielleEingabe {
public:
    explicit SequenzielleEingabe(const QString& text) : t_(text) {}

    // False at the end of the text.
    bool naechster(QString& wert);
    bool zahl(int& wert);
    bool zahl(double& wert);

private:
    static bool trenner(QChar c);
    void ueberspringeTrenner();

    const QString t_;
    int i_ = 0;
};
