#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

#include "device/meter_parameters.h"
#include "files/config_file.h"

// The meter's image kept before every write, so that the write can be undone:
// under the program folder in snapshots/<serial number>/, one file of the 512
// EEPROM bytes named by date, time and operation
// ("2026-12-07_093012_write-config.bin"), with the configuration (.use, kg/h)
// and the support points (.csv) beside it for people to read.
namespace snapshotStore {

constexpr const char* FolderName = "snapshots";
constexpr const char* Pattern = "*.bin";

// The folder of one meter's snapshots: its serial number trimmed, each
// character that is unsafe in a file name replaced by "_".
QString folder(const QString& programFolder, const QString& serial);
// The serial number an image holds, trimmed.
QString serialOf(const QByteArray& image);

// The configuration a meter holds, as the tool saves it: no edits, the
// damping as its slider position, the switch polarity as the meter's.
ConfigFile configOf(const MeterParameters& m);

// Keeps `image` (512 bytes) in `folder` under a new name, with the .use and .csv made
// from `decoded` (in kg/h) unless it is null; every file whole or none. The
// image file's path, or an empty text with the reason in `error`.
QString keep(const QString& folder, const QDateTime& when, const QString& operation,
             const QByteArray& image, const MeterParameters* decoded, QString& error);

struct Entry {
    QString serial;  // the folder's name
    QDateTime time;
    QString operation;
    QString path;
};
// The snapshots under the program folder, oldest first; with `serial`, those of that meter.
QVector<Entry> list(const QString& programFolder, const QString& serial = QString());

// A snapshot's image, or an empty one with the reason in `error`.
QByteArray read(const QString& path, QString& error);

}  // namespace snapshotStore
