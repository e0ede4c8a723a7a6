#include "device/numbers.h"

#include <charconv>
#include <cmath>

double leadingNumber(const QString& text) {
    int i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int numberStart = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    bool point = false;
    while (i < text.size() && (text[i].isDigit() || (text[i] == QLatin1Char('.') && !point))) {
        if (text[i] == QLatin1Char('.')) point = true;
        ++i;
    }
    bool ok = false;
    const double value = text.mid(numberStart, i - numberStart).toDouble(&ok);
    return ok ? value : 0.0;
}

double roundHalfEven(double value, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = value * scale;
    const double lower = std::floor(scaled);
    const double rest = scaled - lower;
    double rounded;
    if (rest > 0.5)
        rounded = lower + 1;
    else if (rest < 0.5)
        rounded = lower;
    else
        rounded = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    return rounded / scale;
}

QString strForm(double value) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(float(value)),
                                 std::chars_format::fixed);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) +
           QString::fromLatin1(buffer, int(r.ptr - buffer));
}

QString boxForm(double value) {
    return strForm(value).trimmed();
}
