#include "config/numeric_entry.h"

#include "device/numbers.h"

NumericEntry numericEntry(QString typed) {
    while (!typed.isEmpty()) {
        const QChar last = typed.back();
        if ((last >= QLatin1Char('0') && last <= QLatin1Char('9')) || last == QLatin1Char('.'))
            return {typed, leadingNumber(typed)};
        if (last == QLatin1Char(','))
            typed.back() = QLatin1Char('.');
        else
            typed.chop(1);
    }
    return {};
}

NumericEntry rangeLimitEntry(QString typed) {
    typed.replace(QLatin1Char('.'), QLatin1Char(','));
    QString read = typed;
    return {typed, leadingNumber(read.replace(QLatin1Char(','), QLatin1Char('.')))};
}
