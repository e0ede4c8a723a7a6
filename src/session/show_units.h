#pragma once

#include "device/masseinheit.h"
#include "session/display_model.h"

// Puts the selected unit into every flow unit label and the pulse unit into
// the pulse value labels.
void EinheitenAnzeigen(const Masseinheit& e, DisplayModel& v);
