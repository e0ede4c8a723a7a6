#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "require.h"

// The fuzz input as Qt holds bytes.
inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Readers that only take a path read the fuzz input from a file in one
// folder for the whole run, removed when the process ends normally.
inline QString fileWith(const QByteArray& content, const QString& name) {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile f(path);
    require(
        f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size(),
        "the harness can write its temporary file");
    return path;
}
