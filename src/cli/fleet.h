#pragma once

#include <QStringList>

#include "cli/commands.h"

namespace cli {

// The same operation on many meters at once, each on its own port:
//   read PORT...                 one line per meter
//   write-config FILE.use PORT...
//   write-curve FILE.csv PORT...
//   restore FILE.bin PORT...     each meter with its snapshot and its check
// Every meter runs in an orbis-cli of its own, side by side; the summary
// follows once all have ended. Exit 0 when every meter did what was asked,
// otherwise the worst exit code of the meters.
int fleet(const QStringList& arguments, const Options& o);

}  // namespace cli
