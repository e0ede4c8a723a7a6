#pragma once

#include <QString>

#include "config/language.h"
#include "config/texts.h"

// Reads a language file into the text table: records of index, line count
// and lines; a repeated index appends; a count of 999 ends the file. Texts
// 1 to 100 are emptied first. Returns false when the file could not be read
// completely; what was read stays in the table.
bool TexteLaden(const QString& path, Texte& texts);

// The language file of a language ("Texte.ger", "Texte.eng", "Texte.fra").
QString textFileName(Language s);

// The message shown when the language file cannot be read.
QString textFileError(Language s);
QString textFileErrorTitle(Language s);
