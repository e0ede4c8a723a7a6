#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the settings, language, unit and password files.
namespace programFolder {

// The files shipped with the program, copied into a new program folder.
const QStringList& shippedFiles();

// The executable's own folder when it is writable and holds the shipped
// files (portable use, as from the build tree); otherwise the per-user data
// folder, seeded on first use from `shipped` (a folder holding the
// shipped files).
QString determine(const QString& exeFolder, const QString& userDataFolder, const QString& shipped);

// The same for this process: the executable's folder, the per-user
// application data folder and ../share/orbis beside the executable.
QString forThisProcess();

}  // namespace programFolder
