#include "support/file_helpers.h"

#include <QFile>

void writeFile(const QString& path, const QByteArray& content) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(content);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

Texte numberedTexts() {
    Texte t;
    for (int i = 0; i < Texte::Count; ++i)
        t.entry[size_t(i)] = QStringLiteral("Text %1").arg(i);
    return t;
}
