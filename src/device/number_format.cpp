#include "device/number_format.h"

#include <QLocale>

#include "device/numbers.h"
#include "device/parameter_list.h"

namespace numberFormat {
namespace {

// Swaps the C decimal point for the locale's. Asking the system for it
// costs more than formatting the number, and live values are formatted
// about fifty times a second, so it is asked again only when the locale
// has changed.
QString localized(QString text) {
    static QLocale asked = QLocale::c();
    static QString point = asked.decimalPoint();
    const QLocale current;
    if (current != asked) {
        asked = current;
        point = current.decimalPoint();
    }
    return text.replace(QLatin1Char('.'), point);
}

}  // namespace

QString fixed(double value, int places) {
    return localized(QString::number(value, 'f', places));
}

QString rounded(double value, int places) {
    QString t = QString::number(roundHalfEven(value, places), 'f', places);
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.'))) t.chop(1);
    }
    if (t == QLatin1String("-0")) t = QStringLiteral("0");
    return localized(t);
}

QString shortest(float value) {
    return localized(floatText(value));
}

QString withSignPlace(float value) {
    return value < 0 ? shortest(value) : QStringLiteral(" ") + shortest(value);
}

}  // namespace numberFormat
