#include "device/number_format.h"

#include <QLocale>

#include "device/numbers.h"
#include "device/parameter_list.h"

namespace numberFormat {
namespace {

// Swaps the C decimal point for the locale's.
QString localized(QString text) {
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
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
