#include "cli/command_table.h"

#include <QPair>

namespace cli {

namespace {

constexpr int Unbounded = 1 << 20;  // "PORT..." takes any number of ports

int countArguments(const QString& synopsis, bool optionalToo) {
    int n = 0;
    for (const QString& word : synopsis.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (optionalToo && word.endsWith(QLatin1String("..."))) return Unbounded;
        if (optionalToo || !word.startsWith(QLatin1Char('['))) ++n;
    }
    return n;
}

const QStringList Writes{"json", "password", "fast"};

}  // namespace

int CommandSpec::required() const {
    return countArguments(arguments, false);
}

int CommandSpec::allowed() const {
    return countArguments(arguments, true);
}

const QList<CommandSpec>& commandTable() {
    static const QList<CommandSpec> table{
        {"read", "PORT", "Print the meter's decoded parameters and its EEPROM image.", {"json"}},
        {"save-config",
         "PORT FILE.use",
         "Save the meter's configuration as a .use file.",
         {"unit"}},
        {"write-config",
         "PORT FILE.use",
         "Write a .use file to the meter, keep a snapshot first and check what the meter holds.",
         {"unit", "json", "fast"}},
        {"write-factory",
         "PORT",
         "Write the factory settings to the meter.",
         {"unit", "json", "fast"}},
        {"read-curve",
         "PORT [FILE.csv]",
         "The meter's support points as CSV, on standard output without a file.",
         {}},
        {"write-curve", "PORT FILE.csv", "Write a CSV table of support points to the meter.",
         Writes},
        {"calibrate-reset", "PORT", "Reset the analog output calibration.", Writes},
        {"snapshots",
         "[SERIAL]",
         "List the snapshots kept before writes, of one meter if given.",
         {"json"}},
        {"restore",
         "PORT FILE.bin",
         "Write a snapshot back to the meter.",
         {"json", "password", "other-meter", "fast"}},
        {"log",
         "PORT BASE",
         "Record the measured value until --records or Ctrl-C.",
         {"interval", "records"},
         {"interval"}},
        {"report",
         "config|service|eeprom PORT",
         "Print a report to a PDF file.",
         {"pdf", "language"},
         {"pdf"}},
        {"units", QString(), "List the units of UNIT.CON.", {}},
        {"unit-add", "NAME FACTOR CONDITION GAS", "Add a unit to UNIT.CON.", {}},
        {"unit-delete", "NAME", "Delete a unit from UNIT.CON.", {}},
        {"fleet",
         "OPERATION [FILE] PORT...",
         "The same on many meters at once: read them, or write one file to each with its "
         "snapshot and check; a line per meter.",
         {"json", "unit", "password", "other-meter", "fast"}},
    };
    return table;
}

const CommandSpec* findCommand(const QString& name) {
    for (const CommandSpec& c : commandTable())
        if (c.name == name) return &c;
    return nullptr;
}

const QList<QCommandLineOption>& optionTable() {
    static const QList<QCommandLineOption> table{
        {"folder", "The program folder with the settings, texts, units and snapshots.", "DIR"},
        {"unit", "A unit of UNIT.CON for the flows of the file; default: the settings' unit.",
         "NAME"},
        {"password",
         "The service password, when one is set; without it a terminal is asked for it.", "TEXT"},
        {"other-meter", "Write a snapshot of another meter all the same."},
        {"interval", "Seconds between two records.", "S"},
        {"records", "Stop after this many records.", "N"},
        {"pdf", "The PDF file to write.", "FILE"},
        {"language", "The report's language: de, en or fr.", "LANGUAGE"},
        {"json", "Print the result as JSON on standard output."},
        {"fast",
         "Wait for the meter's answers instead of the fixed waits (not yet checked on real "
         "meters)."},
    };
    return table;
}

QCommandLineOption option(const QString& name) {
    for (const QCommandLineOption& o : optionTable())
        if (o.names().first() == name) return o;
    return QCommandLineOption(name);
}

QString argumentMeaning(const QString& argument) {
    static const QList<QPair<QString, QString>> meanings{
        {"PORT",
         "a port number (1 is COM1), a device path such as /dev/ttyUSB0, or the URL "
         "of a serial device server (socket://HOST:PORT, rfc2217://HOST:PORT)"},
        {"PORT...", "the meters' ports, each as PORT above"},
        {"OPERATION", "read, write-config, write-curve or restore, on every meter"},
        {"[FILE]", "the .use, .csv or .bin file the writes take"},
        {"FILE.use", "a configuration file"},
        {"[FILE.csv]", "a CSV file of support points; standard output without it"},
        {"FILE.csv", "a CSV file of support points"},
        {"FILE.bin", "a snapshot file (see the snapshots command)"},
        {"[SERIAL]", "a meter's serial number"},
        {"BASE", "the folder and first name of the recording's files"},
        {"config|service|eeprom", "which report"},
        {"NAME", "the unit's name, at most 30 characters"},
        {"FACTOR", "kg/h per unit, a plain decimal number such as 0.45"},
        {"CONDITION", "the standard condition, at most 30 characters"},
        {"GAS", "the gas, at most 30 characters"},
    };
    for (const auto& [word, meaning] : meanings)
        if (word == argument) return meaning;
    return QString();
}

const QStringList& commonOptions() {
    static const QStringList common{"folder"};
    return common;
}

}  // namespace cli
