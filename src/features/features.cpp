#include "features/features.h"

Features::Features(Session& core) : recording(core) {}
