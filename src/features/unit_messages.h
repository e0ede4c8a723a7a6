#pragma once

#include <QString>

#include "config/language.h"
#include "config/units_file.h"

// Messages of the units frames that are built into the program.
// The boxes of the add frame.
enum class UnitField { Name, Factor, Condition, Gas };

namespace unitMessages {

QString tableFull(Language s, int max);  // a unit beyond the last the table holds
// A unit's text the file cannot hold, naming the field, the text and why.
QString fieldRefused(Language s, UnitField field, const QString& text, unitsFile::FieldFault fault);
QString fileNotWritten(Language s, const QString& reason);
QString fileChanged(Language s);    // UNIT.CON no longer holds the units listed
QString fileEntangled(Language s);  // the edit would change other records of UNIT.CON
QString title(Language s);

}  // namespace unitMessages
