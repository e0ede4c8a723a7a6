#pragma once

#include "cli/commands.h"
#include "features/headless.h"

namespace cli {

// The service operations (the curve, the calibration, a restore that changes
// either) need the password of the program folder's Pass file when one is
// set: the one given with --password, or else one typed at a prompt when
// standard input is a terminal. Done when none is set or it matches, and the
// session's service is unlocked; Refused, with the reason on standard error,
// before anything is sent.
int servicePassword(Headless& tool, const Options& o);

}  // namespace cli
