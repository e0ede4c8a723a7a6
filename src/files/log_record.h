#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// One line of a measured-data log, without its line end: the date, the time,
// the flow and its unit, separated by blanks, in the user's locale. Numbers
// are in print form: a minus sign or a blank, the shortest digits that read
// back as the same single-precision value with the locale's decimal
// separator, and one blank after them.
//
// At an interval under one second the clock cannot tell records apart, so the
// time is the seconds since midnight with their fractions. Otherwise it is the
// locale's long time format without the time zone: the short format drops the
// seconds, and a log taken every second needs them.
QString recordText(const QDateTime& now, double MdInterval, float value, const QString& unit,
                   const QLocale& locale);
