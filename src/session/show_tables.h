#pragma once

#include "device/geraeteparameter.h"
#include "session/display_model.h"

// The device tables of the service page, from the parameter record.
void showSupportPoints(const Geraeteparameter& p, DisplayModel& v);
// The offset and factor grid and the calibration point grid.
void showCalibration(const Geraeteparameter& p, DisplayModel& v);
