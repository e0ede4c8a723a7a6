#pragma once

#include <QString>

#include "config/language.h"
#include "config/write_check.h"

// What a refused configuration says: the value, as asked, and its limit; for
// a file also where it stands.
namespace refusalTexts {

QString value(const Refusal& r);  // "MEW = nan (1 ≤ MEW ≤ 150)"
QString title(Language s);
// The file and the line the refused value stands on, before the value.
QString inFile(Language s, const QString& file, const Refusal& r);
QString fileTitle(Language s);

}  // namespace refusalTexts
