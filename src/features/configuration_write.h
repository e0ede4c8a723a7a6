#pragma once

#include "config/write_plan.h"
#include "features/analog_editor.h"
#include "features/digital_editor.h"
#include "session/session.h"

// The write of what the analog and digital editors hold: checked whole before
// the first request, then the planned requests, store and restart, the wait
// for the meter and the re-read. The result says whether the meter then holds
// what was asked; a write it holds ends both edits.
class ConfigurationWrite {
public:
    ConfigurationWrite(Session& core, const AnalogEditor& analog, const DigitalEditor& digital);

    WriteResult KonfigurationSchreiben();

private:
    WriteResult finishWrite(const WritePlan& plan);

    Session& core_;
    const AnalogEditor& analog_;
    const DigitalEditor& digital_;
};
