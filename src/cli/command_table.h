#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

namespace cli {

// A subcommand as its help describes it: its arguments ("[X]" optional),
// what it does, the options it takes beside those every command takes, and
// those of them it cannot do without.
struct CommandSpec {
    QString name;
    QString arguments;
    QString summary;
    QStringList options;
    QStringList needed = {};

    int required() const;  // arguments that must be given
    int allowed() const;   // arguments that may be given
};

const QList<CommandSpec>& commandTable();
// The command of that name; nullptr when there is none.
const CommandSpec* findCommand(const QString& name);

// Every option a command may take, by name.
const QList<QCommandLineOption>& optionTable();
QCommandLineOption option(const QString& name);

// Options every command takes.
const QStringList& commonOptions();
// What an argument of the synopses ("PORT", "FILE.use" ...) stands for.
QString argumentMeaning(const QString& argument);

}  // namespace cli
