#pragma once

#include <QString>

#include "device/unit.h"

// The settings file Q_orbis.CON: port, parallel port, language and the
// current measuring unit, eight lines in this order.
struct Settings {
    QString PortName;      // "Com" and the port number
    int PortNumber = 0;    // 0: no port configured
    QString ParallelPort;  // "LPT1" or "LPT2"
    QString Language;      // "Deutsch", "Englisch" or "Franzoesisch"
    Unit unit{QString(), 0.0, QString(), QString()};
};

namespace settingsFile {

constexpr const char* FileName = "Q_orbis.CON";

// Reads the file field by field; a missing or short file leaves the unread
// fields empty or 0.
Settings read(const QString& path);
// Writes all eight lines at once; a failed write leaves the old file intact.
bool write(const QString& path, const Settings& e);

}  // namespace settingsFile
