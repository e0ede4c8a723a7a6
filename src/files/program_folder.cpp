#include "files/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "config/einheitentabelle.h"
#include "files/settings_file.h"

namespace programFolder {
namespace {

bool holdsFiles(const QString& folder) {
    for (const QString& d : shippedFiles())
        if (!QFileInfo::exists(QDir(folder).filePath(d))) return false;
    return true;
}

// A folder the tool keeps its settings or units in stays its program folder
// whatever else is missing there: a lost language file is reported when it is
// loaded, and must not move the tool to another folder with other settings.
bool keepsSettings(const QString& folder) {
    for (const char* name : {settingsFile::FileName, Einheitentabelle::FileName})
        if (QFileInfo::exists(QDir(folder).filePath(QLatin1String(name)))) return true;
    return false;
}

}  // namespace

const QStringList& shippedFiles() {
    static const QStringList fileNames = {QStringLiteral("Texte.ger"), QStringLiteral("Texte.eng"),
                                          QStringLiteral("Texte.fra"),
                                          QLatin1String(Einheitentabelle::FileName)};
    return fileNames;
}

QString determine(const QString& exeFolder, const QString& userDataFolder, const QString& shipped) {
    const QFileInfo own(exeFolder);
    if (own.isWritable() && keepsSettings(exeFolder)) return exeFolder;
    QDir().mkpath(userDataFolder);
    // An installation keeps its files in share/orbis; a portable folder on a
    // read-only medium carries them beside the executable instead.
    const QString source = holdsFiles(shipped) || !holdsFiles(exeFolder) ? shipped : exeFolder;
    for (const QString& d : shippedFiles()) {
        const QString target = QDir(userDataFolder).filePath(d);
        // The user's own units and edited texts must survive a new version.
        if (!QFileInfo::exists(target)) QFile::copy(QDir(source).filePath(d), target);
    }
    return userDataFolder;
}

QString forThisProcess() {
    const QString exe = QCoreApplication::applicationDirPath();
    // Named explicitly rather than by the application name, so that orbis-cli
    // and the window share one folder.
    const QString user = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                             .filePath(QStringLiteral("orbis"));
    return determine(exe, user, QDir(exe).filePath(QStringLiteral("../share/orbis")));
}

}  // namespace programFolder
