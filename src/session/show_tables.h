#pragma once

#include "device/meter_parameters.h"
#include "session/display_model.h"

// The device tables of the service page, from the parameter record.
void showSupportPoints(const MeterParameters& p, DisplayModel& v);
// The offset and factor grid and the calibration point grid.
void showCalibration(const MeterParameters& p, DisplayModel& v);
