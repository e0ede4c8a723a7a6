#pragma once

#include <QString>

#include "config/language.h"

// Fixed messages of the user interface that are built into the program.
namespace infotexte {

struct Meldung {
    QString titel;
    QString text;
};

// Shown once after the language was chosen at the first start.
Meldung erststart(Sprache s);
// The Info entry of the help menu.
Meldung info(Sprache s);

QString fenstertitel(Sprache s, int portnummer);
QString schnittstelleWaehlen(Sprache s);       // status text when no port is configured
QString ueberlaufWort(Sprache s, bool aktiv);  // "aktiv" / "passiv"
QString ueberlaufText(Sprache s, bool aktiv);  // "Überlauf ist aktiv" / "... passiv"

}  // namespace infotexte
