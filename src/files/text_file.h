#pragma once

#include <QString>

// A whole Latin-1 text file, as the tool's own files are written; false
// with the system's reason in `error` when it cannot be read.
bool readLatin1(const QString& path, QString& text, QString& error);
