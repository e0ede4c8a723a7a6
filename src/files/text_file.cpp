#include "files/text_file.h"

#include <QFile>

bool readLatin1(const QString& path, QString& text, QString& error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = f.errorString();
        return false;
    }
    text = QString::fromLatin1(f.readAll());
    return true;
}
