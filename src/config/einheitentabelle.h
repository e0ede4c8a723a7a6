#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "config/language.h"
#include "device/unit.h"

// Something wrong with UNIT.CON that the user should hear about.
struct UnitProblem {
    enum class Kind { Missing, NoEnd, Incomplete, Factor, TooMany };
    Kind kind;
    QString detail;  // the unit's name, or the reason the file could not be opened
};

// The units of UNIT.CON: records of name, factor (kg/h per unit), standard
// condition in parentheses and gas, ended by the line "Ende".
struct Einheitentabelle {
    static constexpr const char* FileName = "UNIT.CON";
    static constexpr int Max = 50;
    static constexpr int BuiltIn = 12;  // the shipped units cannot be deleted
    QVector<Unit> entries;
    QVector<UnitProblem> problems;
};

// Reads the file. A record whose factor is not a number above 0 is left out,
// reading stops after 50 records, and a missing or unfinished file keeps the
// records read; each case is named in `problems`. A table that would be
// empty holds kg/h with factor 1, so there is always a unit to work in.
Einheitentabelle readUnits(const QString& path);

// kg/h with factor 1: the unit a table without any holds.
Unit fallbackUnit();

// The list entry of a unit as the unit lists show it after reading.
QString listText(const Unit& e);
// The list entry of a unit just added: no blanks before its standard condition.
QString addedListText(const Unit& e);

// One message that names every problem, in the language.
QString problemMessage(const QVector<UnitProblem>& problems, Language s);
