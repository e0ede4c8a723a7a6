#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include "features/headless.h"
#include "files/snapshot_store.h"

// What --json prints: one JSON document on standard output, for scripts.
namespace cli {

void printJson(const QJsonValue& v);

// The decoded parameters under the record's own names, and the EEPROM image in hex.
QJsonObject meterJson(const Session& s);
QJsonArray snapshotsJson(const QVector<snapshotStore::Entry>& entries);
// How a write ended: what was asked (`asked`), the meter's serial number,
// the snapshot kept before it, the result and exit code, each asked-for
// value the meter does not hold, and what the meter holds after it (when it
// was read back).
QJsonObject writeJson(const Session& s, const QString& asked, WriteResult r, int exitCode);

}  // namespace cli
