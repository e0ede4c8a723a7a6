#include "files/log_record.h"

#include "device/numbers.h"

namespace {

QString printForm(float value, const QLocale& locale) {
    return strForm(value).replace(QLatin1Char('.'), locale.decimalPoint()) + QLatin1Char(' ');
}

// The long time format with its time-zone fields taken out; quoted literal
// text is kept as it is, since a 't' there is not a field.
QString timeFormatWithSeconds(const QLocale& locale) {
    const QString longFormat = locale.timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (const QChar c : longFormat) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) format += c;
    }
    return format.trimmed();
}

QString timeText(const QTime& time, double MdInterval, const QLocale& locale) {
    if (MdInterval < 1.0) return printForm(float(time.msecsSinceStartOfDay() / 1000.0), locale);
    return locale.toString(time, timeFormatWithSeconds(locale));
}

}  // namespace

QString recordText(const QDateTime& now, double MdInterval, float value, const QString& unit,
                   const QLocale& locale) {
    const QChar blank = QLatin1Char(' ');
    return locale.toString(now.date(), QLocale::ShortFormat) + blank +
           timeText(now.time(), MdInterval, locale) + blank + printForm(value, locale) + blank +
           unit;
}
