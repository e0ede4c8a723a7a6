#pragma once

#include <QString>
#include <QStringList>

#include "cli/commands.h"

namespace cli {

// What the command line asks for: a command with its arguments and options,
// or a text to print and the exit code to end with (help, the version, a
// mistake in the command line).
struct Invocation {
    QString command;
    QStringList arguments;  // the command's own, after its name
    Options options;
    QString interval;  // log
    int records = 0;   // log; 0 until Ctrl-C
    QString pdf;       // report
    QString language;  // report

    QString reply;              // when not empty: print it instead of running a command
    bool replyIsError = false;  // on standard error rather than standard output
    int exitCode = Done;
};

// `arguments` as QCoreApplication gives them, the program first.
Invocation parseCommandLine(const QStringList& arguments);

// The commands and their options, one per line, as the bash completion asks for them.
QString completionWords(const QString& command);

}  // namespace cli
