#pragma once

#include "features/analog_editor.h"
#include "features/calibration_reset.h"
#include "features/configuration_write.h"
#include "features/counts_window.h"
#include "features/device_data.h"
#include "features/digital_editor.h"
#include "features/language_choice.h"
#include "features/password.h"
#include "features/port_choice.h"
#include "features/recording.h"
#include "features/reports.h"
#include "features/snapshots.h"
#include "features/support_points.h"
#include "features/units.h"
#include "session/session.h"

// Every feature of the tool over one core. The window and the command line
// reach a feature here and call it directly; a feature that needs another
// is given it when it is made.
struct Features {
    explicit Features(Session& core);

    PortChoice ports;
    LanguageChoice languages;
    Units units;
    DigitalEditor digital;
    AnalogEditor analog;
    ConfigurationWrite write;
    DeviceData deviceData;
    CountsWindow counts;
    SupportPoints points;
    Password password;
    Recording recording;
    Reports reports;
    CalibrationReset calibration;
    Snapshots snapshots;
};
