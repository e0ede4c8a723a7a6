#include "files/password_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "config/saved_file.h"

namespace passwordFile {
namespace {

// The first field of the first line as sequential input takes it. Blanks
// only are skipped, not every whitespace character: scrambled letters such
// as 'Q' (0xA0) count as whitespace to Qt and must stay.
QByteArray firstField(const QByteArray& content) {
    int start = 0;
    while (start < content.size() && content[start] == ' ')
        ++start;
    int end = start;
    while (end < content.size() && content[end] != ',' && content[end] != '\r' &&
           content[end] != '\n')
        ++end;
    return content.mid(start, end - start);
}

QString unscrambled(const QByteArray& field) {
    QString plain;
    for (const char c : field)
        plain += QChar(int(quint8(c)) - Passwortversatz);
    return plain;
}

}  // namespace

ReadResult PasswortLesen(const QString& path) {
    ReadResult r;
    if (!QFileInfo::exists(path)) {
        r.password = QLatin1String(NoPassword);
        return r;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        r.error = f.errorString();
        return r;
    }
    const QByteArray field = firstField(f.readAll());
    const bool belowZero =
        std::any_of(field.begin(), field.end(), [](char c) { return quint8(c) < Passwortversatz; });
    if (field.isEmpty())
        r.error = QStringLiteral("the password file holds no password");
    else if (belowZero || field.size() > MaxLength)
        r.error = QStringLiteral("the password file is garbled");
    else
        r.password = unscrambled(field);
    return r;
}

QString refusal(const QString& password) {
    if (password.size() > MaxLength)
        return QStringLiteral("longer than %1 characters").arg(MaxLength);
    for (const QChar c : password) {
        if (c.unicode() + Passwortversatz > 255)
            return QStringLiteral("the character '%1' cannot be stored").arg(c);
    }
    return QString();
}

bool PasswortSchreiben(const QString& path, const QString& password, QString& error) {
    const QString stored = password.isEmpty() ? QLatin1String(NoPassword) : password;
    error = refusal(stored);
    if (!error.isEmpty()) return false;
    QByteArray line;
    for (const QChar c : stored)
        line += char(c.unicode() + Passwortversatz);
    return saveWhole(path, line + "\r\n", error);
}

}  // namespace passwordFile
