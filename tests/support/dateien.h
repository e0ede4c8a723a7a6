#pragma once

#include <QByteArray>
#include <QString>

#include "config/texts.h"

// Small file helpers for tests.
void schreibe(const QString& pfad, const QByteArray& inhalt);
QByteArray lies(const QString& pfad);

// A text table whose text n reads "Text n", so a test can tell which text was shown.
Texte nummerierteTexte();
