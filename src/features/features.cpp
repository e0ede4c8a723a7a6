#include "features/features.h"

Features::Features(Session& core)
    : ports(core),
      languages(core),
      units(core),
      digital(core),
      analog(core, digital),
      write(core, analog, digital),
      deviceData(core, analog, digital, write),
      counts(core),
      points(core),
      password(core, counts, points),
      recording(core),
      reports(core, digital),
      calibration(core),
      snapshots(core, {password, deviceData, points, analog, write}) {}
