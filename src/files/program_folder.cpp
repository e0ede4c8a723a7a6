#include "files/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace programmordner {
namespace {

bool haeltDateien(const QString& ordner) {
    for (const QString& d : ausgelieferteDateien())
        if (!QFileInfo::exists(QDir(ordner).filePath(d))) return false;
    return true;
}

}  // namespace

const QStringList& ausgelieferteDateien() {
    static const QStringList dateien = {QStringLiteral("Texte.ger"), QStringLiteral("Texte.eng"),
                                        QStringLiteral("Texte.fra"), QStringLiteral("UNIT.CON")};
    return dateien;
}

QString bestimmen(const QString& programmverzeichnis, const QString& datenSpeicher,
                  const QString& ausgeliefert) {
    const QFileInfo eigen(programmverzeichnis);
    if (eigen.isWritable() && haeltDateien(programmverzeichnis)) return programmverzeichnis;
    QDir().mkpath(datenSpeicher);
    for (const QString& d : ausgelieferteDateien()) {
        const QString ziel = QDir(datenSpeicher).filePath(d);
        if (!QFileInfo::exists(ziel)) QFile::copy(QDir(ausgeliefert).filePath(d), ziel);
    }
    return datenSpeicher;
}

QString fuerDiesenProzess() {
    const QString exe = QCoreApplication::applicationDirPath();
    return bestimmen(exe, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                     QDir(exe).filePath(QStringLiteral("../share/orbis")));
}

}  // namespace programmordner
