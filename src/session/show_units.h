#pragma once

#include "device/unit.h"
#include "session/display_model.h"

// Puts the selected unit into every flow unit label and the pulse unit into
// the pulse value labels.
void EinheitenAnzeigen(const Unit& e, DisplayModel& v);
