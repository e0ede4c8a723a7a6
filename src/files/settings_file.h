#pragma once

#include <QString>

#include "device/masseinheit.h"

// The settings file Q_orbis.CON: port, parallel port, language and the
// current measuring unit, eight lines in this order.
struct Einstellungen {
    QString Portname;      // "Com" and the port number
    int Portnummer = 0;    // 0: no port configured
    QString Parallelport;  // "LPT1" or "LPT2"
    QString Sprache;       // "Deutsch", "Englisch" or "Franzoesisch"
    Masseinheit einheit{QString(), 0.0, QString(), QString()};
};

namespace einstellungen {

constexpr const char* Dateiname = "Q_orbis.CON";

// Reads the file field by field; a missing or short file leaves the unread
// fields empty or 0.
Einstellungen lesen(const QString& pfad);
// Writes all eight lines at once; a failed write leaves the old file intact.
bool schreiben(const QString& pfad, const Einstellungen& e);

// A text that can be stored in a field: commas end a field when it is read.
bool feldtauglich(const QString& text);

}  // namespace einstellungen
