#pragma once

#include <QStringList>

#include "device/dac_calibration.h"
#include "session/logged_writes.h"
#include "session/session.h"

// The reset of the analog output calibration: both stages back to their
// default points, store and restart, with every exchange listed.
class CalibrationReset {
public:
    explicit CalibrationReset(Session& core);

    // Resets both stages to the defaults and reads the meter back: Differs names the refused steps
    // and the values not held; Failed when the meter stopped answering.
    WriteResult calibrationReset();

private:
    bool resetStage(dacCalibration::Stage stage, LoggedWrites& steps);
    bool storeCalibration(LoggedWrites& steps);
    QStringList calibrationDifferences(const LoggedWrites& steps) const;

    Session& core_;
};
