#pragma once

#include "config/analog_edit.h"
#include "config/digital_edit.h"

// What a configuration write takes from the analog and digital editors.
struct EditState {
    AnalogEdit analog;
    DigitalEdit digital;

    bool pending() const { return analog.pending() || digital.pending(); }
};
