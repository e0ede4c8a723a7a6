#pragma once

#include <QString>
#include <QVector>

#include "device/unit.h"

// Adding and deleting units in UNIT.CON. Each edit changes the one record
// and keeps every other byte of the file: records the table did not take (a
// bad factor, beyond the 50th, cut short), the factors as written, the line
// ends and anything after "Ende".
namespace unitsFile {

// Why a text cannot be one of a unit's fields, which the file must read back as typed.
enum class FieldFault {
    None,
    NotLatin1,   // the file holds Latin-1 characters only
    Unreadable,  // a comma or a line end ends the field, a double quote starts a quoted one
    EndMarker,   // a name "Ende" ends the table
    NoName,      // a unit without a name could not be chosen or deleted by it
};
FieldFault fieldFault(const QString& text, bool isName);

enum class Result {
    Done,
    Changed,    // the file no longer holds the table `known`: nothing was written
    Entangled,  // the edit would change other records too: nothing was written
    Failed,     // the file could not be read or written; the reason is in `error`
};

// Writes `u` (its standard condition already in parentheses) after the last
// record read, in the file's line ends. A missing file is begun with the
// table `known`, which is then kg/h alone.
Result add(const QString& path, const QVector<Unit>& known, const Unit& u, QString& error);

// Takes out the record of unit `position` of the table `known`.
Result remove(const QString& path, const QVector<Unit>& known, int position, QString& error);

}  // namespace unitsFile
