#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

#include "config/language.h"
#include "device/meter_parameters.h"
#include "device/unit.h"

// The printed reports, laid out in character columns so that screen
// preview, printer and PDF show the same page from one description.

namespace report {

// Text that starts at a column of the font's average character width.
struct Item {
    int tab = 0;
    QString text;
    bool bold = false;
};

// One printed line; an empty line has no items but still takes its height.
struct Line {
    QVector<Item> items;
    int pointSize = 12;
};

using Document = QVector<Line>;

// The settings a customer gets with the meter, in the user's language;
// Impulswertigkeit is the amount one pulse stands for in the unit's time base.
// Throws as filterTime does for a filter factor that gives no time.
Document configurationReport(const MeterParameters& m, const Unit& unit, float Impulswertigkeit,
                             Language s, const QDateTime& now);

// The support points and the DAC calibration, for service.
Document serviceReport(const MeterParameters& m, const QDateTime& now);

// The EEPROM image as the read reply holds it, its DLE counted as position 1.
Document eepromReport(const QByteArray& EEPromInhalt, const QString& Fertigungsnummer,
                      const QDateTime& now);

}  // namespace report
