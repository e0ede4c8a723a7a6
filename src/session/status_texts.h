#pragma once

#include <QString>

#include "config/language.h"

// Status texts of the start-up and of the live values.
namespace startTexts {

QString connectionOk(Language s);
QString pleaseWait(Language s);
QString initialized(Language s);
QString undervoltage(Language s);

// The cold start speaks German only.
extern const char* const WaitTime10;
extern const char* const ColdStart1;
extern const char* const ColdStart2;

}  // namespace startTexts
