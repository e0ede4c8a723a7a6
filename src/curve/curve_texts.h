#pragma once

#include <QList>
#include <QString>

#include "config/language.h"
#include "curve/curve_table.h"

// What the support-point write says about the table: why it refuses one, the
// points whose counts do not rise, and the names and values of the points a
// meter read back does not hold.
namespace curveTexts {

QString refused(Language s, const curveTable::Fault& f);
QString notRising(Language s, const QList<int>& points);
QString pointName(Language s, int point);
QString countName(Language s);
QString point(const curveTable::Point& p);
QString noPoint(Language s);

}  // namespace curveTexts
