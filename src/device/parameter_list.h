#pragma once

#include <QPair>
#include <QString>
#include <QVector>

#include "device/meter_parameters.h"

// Every field of the record as a name and a value text, under the record's
// own names; arrays carry their index ("StpCounts[3]").
QVector<QPair<QString, QString>> parameterList(const MeterParameters& p);

// The shortest text that reads back as the same single-precision value.
QString floatText(float value);
