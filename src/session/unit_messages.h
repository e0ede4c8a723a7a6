#pragma once

#include <QString>

#include "config/language.h"

// Messages of the units frames that are built into the program.
namespace unitMessages {

QString tableFull(Language s, int max);  // a unit beyond the last the table holds
QString fieldRefused(Language s);        // a comma or a double quote in a unit's text
QString fileNotWritten(Language s, const QString& reason);
QString title(Language s);

}  // namespace unitMessages
