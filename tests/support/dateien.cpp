#include "support/dateien.h"

#include <QFile>

void schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(inhalt);
}

QByteArray lies(const QString& pfad) {
    QFile f(pfad);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

Texte nummerierteTexte() {
    Texte t;
    for (int i = 0; i < Texte::Anzahl; ++i)
        t.eintrag[size_t(i)] = QStringLiteral("Text %1").arg(i);
    return t;
}
