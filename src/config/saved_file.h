#pragma once

#include <QByteArray>
#include <QString>

// Writes a file whole or not at all: the bytes go to a temporary file beside
// it, which replaces the old one only when every byte reached the disk. A
// full disk or a read-only folder leaves the old file as it was; false with
// the reason in `error`.
bool saveWhole(const QString& path, const QByteArray& bytes, QString& error);
