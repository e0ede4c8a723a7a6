#pragma once

#include <QString>

// The measuring unit flows are held and shown in; the meter always works in kg/h.
struct Unit {
    QString Einheit = QStringLiteral("kg/h");
    double Umrechnungsfaktor = 1.0;  // kg/h per unit
    QString Normzustand;
    QString Gasart;
};
