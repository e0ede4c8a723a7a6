#pragma once

#include <QByteArray>
#include <QString>

#include "config/texts.h"

// Small file helpers for tests.
void writeFile(const QString& path, const QByteArray& content);
QByteArray readFile(const QString& path);

// A text table whose text n reads "Text n", so a test can tell which text was shown.
Texte numberedTexts();
