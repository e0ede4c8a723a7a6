#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "device/masseinheit.h"
#include "config/language.h"

// Something wrong with UNIT.CON that the user should hear about.
struct Einheitenproblem {
    enum class Art { Fehlt, OhneEnde, Unvollstaendig, Faktor, ZuViele };
    Art art;
    QString detail;  // the unit's name, or the reason the file could not be opened
};

// The units of UNIT.CON: records of name, factor (kg/h per unit), standard
// condition in parentheses and gas, ended by the line "Ende".
struct Einheitentabelle {
    static constexpr int Max = 50;
    static constexpr int Eingebaut = 12;  // the shipped units cannot be deleted
    QVector<Masseinheit> eintraege;
    QVector<Einheitenproblem> probleme;
};

// Reads the file. A record whose factor is not a number above 0 is left out,
// reading stops after 50 records, and a missing or unfinished file keeps the
// records read; each case is named in `probleme`. A table that would be
// empty holds kg/h with factor 1, so there is always a unit to work in.
Einheitentabelle EinheitenLesen(const QString& pfad);

// The list entry of a unit as the unit lists show it after reading.
QString listentext(const Masseinheit& e);

// One message that names every problem, in the language.
QString problemMeldung(const QVector<Einheitenproblem>& probleme, Sprache s);
