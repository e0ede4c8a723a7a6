#pragma once

#include "features/recording.h"
#include "session/session.h"

// Every feature of the tool over one core. The window and the command line
// reach a feature here and call it directly.
struct Features {
    explicit Features(Session& core);

    Recording recording;
};
