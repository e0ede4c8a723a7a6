#pragma once

#include <QString>
#include <QStringList>

#include "config/language.h"

// Texts of the snapshots kept before writes and of restoring one.
namespace snapshotTexts {

// No write starts without its snapshot.
QString notKept(Language s, const QString& folder, const QString& reason);
QString title(Language s);   // of the snapshot messages and the restore question
QString filter(Language s);  // of the file dialog
QString unreadable(Language s, const QString& path, const QString& reason);
QString undecodable(Language s, const QString& reason);
QString otherMeter(Language s, const QString& snapshot, const QString& meter);
// The question before a restore, with one line per value that changes.
QString question(Language s, const QStringList& changes);
QString change(const QString& name, const QString& held, const QString& restored);
QString nothingToRestore(Language s);
// A restore that would change the curve or the calibration needs the service password first.
QString serviceLocked(Language s);

}  // namespace snapshotTexts
