#pragma once

#include <QString>
#include <cstdio>

#include "session/session.h"

namespace cli {

// The progress of a write on standard error. On a terminal one line is
// redrawn: a bar, the share done, the seconds left and the step; elsewhere
// (a log file, a pipe) each step is a line of its own with the share done.
class ProgressPrinter {
public:
    ProgressPrinter(Session& s, bool terminal);
    // Takes the session's status texts as the steps.
    void followStatus(Session& s);
    void step(const QString& text);
    // Prints a line of output on `stream` above the bar, which is drawn again below it.
    void print(FILE* stream, const QString& line);

private:
    void moved(const ProgressState& p);
    void drawBar();

    bool terminal_;
    QString step_;
    ProgressState progress_;
    Language language_;
};

}  // namespace cli
