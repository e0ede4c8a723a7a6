#pragma once

#include "config/masseinheit.h"
#include "ui/main_view.h"

// Puts the selected unit into every flow unit label and the pulse unit into
// the pulse value labels.
void EinheitenAnzeigen(const Masseinheit& e, MainView& v);
