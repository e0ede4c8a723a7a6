#pragma once

#include <QString>

#include "config/language.h"

// Messages of the link that are built into the program rather than loaded
// from the language files.
namespace linkTexts {

QString restartProgram(Language s);  // after the fifth short EEPROM reply
QString criticalError(Language s);   // its title
QString eepromGaveUp(Language s, int attempts);
QString imageRefused(Language s);  // a NAK to the EEPROM request
QString errorQueryIncomplete(Language s);
QString notAccepted(Language s, int attempts);
// A request of a sequence the meter did not take within the link's bound.
QString refusedStep(Language s, const QString& step);

}  // namespace linkTexts
