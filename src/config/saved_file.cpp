#include "config/saved_file.h"

#include <QSaveFile>

bool saveWhole(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile f(path);
    // A full disk shows only when the buffer is flushed, and commit() alone
    // would then put a short file in place of the old one.
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush() && f.commit())
        return true;
    error = f.errorString();
    f.cancelWriting();
    return false;
}
