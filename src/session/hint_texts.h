#pragma once

#include <QString>

#include "config/language.h"

// The status-bar hints shown while the mouse is over an editor's control.
namespace hintTexts {

enum class Area { AnalogOption, AnalogFrame, DigitalOption, DigitalFrame, UnitFactor, UnitFrame };

// `index` picks the option of an option area; an option without a hint and
// the unit frame give an empty text.
QString hint(Area area, int index, Language s);

}  // namespace hintTexts
