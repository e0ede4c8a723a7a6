#pragma once

#include <QString>

#include "config/language.h"

// Messages of the link that are built into the program rather than loaded
// from the language files.
namespace linktexte {

QString neuStarten(Sprache s);        // after the fifth short EEPROM reply
QString kritischerFehler(Sprache s);  // its title
QString eepromAufgegeben(Sprache s, int versuche);
QString fehlerabfrageUnvollstaendig(Sprache s);
QString nichtAngenommen(Sprache s, int versuche);

}  // namespace linktexte
