#include "features/features.h"

Features::Features(Session& core)
    : ports(core),
      languages(core),
      units(core),
      deviceData(core),
      counts(core),
      points(core),
      password(core, counts, points),
      recording(core),
      reports(core),
      calibration(core),
      snapshots(core, password, deviceData, points) {}
