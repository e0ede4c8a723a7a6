#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the settings, language, unit and password files.
namespace programFolder {

// The files shipped with the program, copied into a new program folder.
const QStringList& shippedFiles();

// The executable's own folder when it is writable and holds the settings or
// the units file (portable use, as from the build tree), whether or not the
// language files are there too; otherwise the per-user data folder.
// Shipped files missing there are copied in from `shipped` (an
// installation's share/orbis), or from the executable's folder when that
// holds them but cannot be written; files already there are kept.
QString determine(const QString& exeFolder, const QString& userDataFolder, const QString& shipped);

// The same for this process: the executable's folder, the per-user folder
// `orbis` in the user's data folder (~/.local/share/orbis) and
// ../share/orbis beside the executable.
QString forThisProcess();

}  // namespace programFolder
