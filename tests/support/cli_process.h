#pragma once

#include <QStringList>

// What a run of orbis-cli gave: its exit code and what it printed.
struct CliResult {
    int code = -1;
    QString out;
    QString fault;
};

// Runs orbis-cli with `args` and waits for it to end.
CliResult runCli(const QStringList& args);

// Saves the configuration of the meter on `port` into `file` and sets its
// creep flow line to `creep`; false when the meter could not be read.
bool savedWithCreep(const QString& port, const QString& file, const QByteArray& creep);
