#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the settings, language, unit and password files.
namespace programmordner {

// The files shipped with the program, copied into a new program folder.
const QStringList& ausgelieferteDateien();

// The executable's own folder when it is writable and holds the shipped
// files (portable use, as from the build tree); otherwise the per-user data
// folder, seeded on first use from `ausgeliefert` (a folder holding the
// shipped files).
QString bestimmen(const QString& programmverzeichnis, const QString& datenSpeicher,
                  const QString& ausgeliefert);

// The same for this process: the executable's folder, the per-user
// application data folder and ../share/orbis beside the executable.
QString fuerDiesenProzess();

}  // namespace programmordner
