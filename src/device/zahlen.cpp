#include "device/zahlen.h"

#include <cmath>

double fuehrendeZahl(const QString& text) {
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int anfang = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    bool punkt = false;
    while (i < text.size() && (text[i].isDigit() || (text[i] == QLatin1Char('.') && !punkt))) {
        if (text[i] == QLatin1Char('.')) punkt = true;
        ++i;
    }
    bool ok = false;
    const double wert = text.mid(anfang, i - anfang).toDouble(&ok);
    return ok ? wert : 0.0;
}

double rundeGerade(double wert, int stellen) {
    const double skala = std::pow(10.0, stellen);
    const double skaliert = wert * skala;
    const double unten = std::floor(skaliert);
    const double rest = skaliert - unten;
    double gerundet;
    if (rest > 0.5)
        gerundet = unten + 1;
    else if (rest < 0.5)
        gerundet = unten;
    else
        gerundet = std::fmod(unten, 2.0) == 0 ? unten : unten + 1;
    return gerundet / skala;
}
