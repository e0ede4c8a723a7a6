#include "config/numeric_entry.h"

#include "device/numbers.h"

NumericEntry numericEntry(const QString& typed) {
    QString kept;
    for (const QChar c : typed) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))
            kept += c;
        else if (c == QLatin1Char(','))
            kept += QLatin1Char('.');
    }
    return {kept, leadingNumber(kept)};
}

NumericEntry rangeLimitEntry(QString typed) {
    typed.replace(QLatin1Char('.'), QLatin1Char(','));
    QString read = typed;
    return {typed, leadingNumber(read.replace(QLatin1Char(','), QLatin1Char('.')))};
}
