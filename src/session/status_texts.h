#pragma once

#include <QString>

#include "config/language.h"

// Status texts of the start-up and of the live values.
namespace starttexte {

QString verbindungOk(Sprache s);
QString bitteWarten(Sprache s);
QString initialisiert(Sprache s);
QString unterspannung(Sprache s);

// The cold start speaks German only.
extern const char* const Wartezeit10;
extern const char* const Kaltstart1;
extern const char* const Kaltstart2;

}  // namespace starttexte
