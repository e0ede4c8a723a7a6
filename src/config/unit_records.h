#pragma once

#include <QByteArray>
#include <QVector>

#include "config/einheitentabelle.h"

// The units of UNIT.CON's bytes, with where each unit offered lies in them,
// so that an edit can change one record and leave every other byte alone.
struct UnitRecords {
    struct Span {
        int begin;  // the byte after the separator before the name
        int end;    // the byte after the separator that ends the gas
    };
    Einheitentabelle table;
    QVector<Span> spans;  // one for each of table.entries
    int insertAt = 0;     // where a new record goes: before "Ende", or where reading stopped
};

// Reads the records as readUnits promises; no unit is made up for an empty table.
UnitRecords scanUnits(const QByteArray& bytes);
