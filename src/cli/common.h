#pragma once

#include <QString>

#include "cli/commands.h"
#include "features/headless.h"

// What the subcommands share: the program folder, its files, and reading the meter.
namespace cli {

// Opens the port, checks the connection, reads and decodes the image into the
// session's record in its unit; the exit code of the first step that failed.
int readMeter(Headless& tool, const QString& port);
QString folderOf(const Options& o);
// The settings, the English texts and the units of the program folder, as the window loads them.
void loadFolder(Session& s);
// What a write was asked to write (a file, the factory settings ...) and how
// its result is wanted.
struct Written {
    QString asked;
    const Options& o;
};
// The exit code of a write; each value the meter does not hold on standard
// error, and with --json the summary on standard output.
int writeExit(const Session& s, WriteResult r, const Written& w);

}  // namespace cli
