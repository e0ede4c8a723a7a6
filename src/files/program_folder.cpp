#include "files/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QStandardPaths>
#include "config/einheitentabelle.h"

namespace programFolder {
namespace {

bool holdsFiles(const QString& folder) {
    for (const QString& d : shippedFiles())
        if (!QFileInfo::exists(QDir(folder).filePath(d))) return false;
    return true;
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
    if (own.isWritable() && holdsFiles(exeFolder)) return exeFolder;
    QDir().mkpath(userDataFolder);
    for (const QString& d : shippedFiles()) {
        const QString target = QDir(userDataFolder).filePath(d);
        if (!QFileInfo::exists(target)) QFile::copy(QDir(shipped).filePath(d), target);
    }
    return userDataFolder;
}

QString forThisProcess() {
    const QString exe = QCoreApplication::applicationDirPath();
    return determine(exe, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                     QDir(exe).filePath(QStringLiteral("../share/orbis")));
}

}  // namespace programFolder
