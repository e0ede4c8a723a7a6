#pragma once

#include <QString>
#include <QStringList>

// The subcommands of orbis-cli; each returns the program's exit code.
namespace cli {

constexpr int Done = 0;
constexpr int Usage = 1;
constexpr int PortFailed = 2;
constexpr int NoAnswer = 3;
constexpr int EepromIncomplete = 4;
constexpr int DecodeFailed = 5;
constexpr int Refused = 6;  // a file could not be read or written, or a check refused the change
constexpr int Differs = 7;  // after a write the meter does not hold what was written

struct Options {
    QString unit;    // a unit of UNIT.CON for the flows of a file; empty: the settings' unit
    QString folder;  // the program folder; empty: the one the window uses
    // The service password, when it was given; otherwise a terminal is asked for it.
    QString password;
    bool passwordGiven = false;
    bool otherMeter = false;  // a restore may write another meter's snapshot
    bool json = false;        // the result as JSON on standard output
    bool fast = false;        // writes wait for the meter's answers, not the fixed waits
};

int read(const QString& port, const Options& o);
int saveConfig(const QString& port, const QString& file, const Options& o);
// Loads FILE as the window's Load does and writes it to the meter.
int writeConfig(const QString& port, const QString& file, const Options& o);
// Writes the factory settings to the meter, as the menu and the device data window do.
int writeFactory(const QString& port, const Options& o);
// The meter's support points as CSV, on stdout without a file; a table that
// could not be written back whole gives neither.
int readCurve(const QString& port, const QString& file);
// Writes a CSV table as the service page's write does; a bad table sends nothing.
int writeCurve(const QString& port, const QString& file, const Options& o);
// Resets the analog output calibration; the exchanges on stdout, progress on stderr.
int calibrateReset(const QString& port, const Options& o);
// The snapshots kept before writes, of one meter when `serial` is given.
int listSnapshots(const QString& serial, const Options& o);
// Writes a snapshot back to the meter: what differs, each part with its own sequence.
int restore(const QString& port, const QString& file, const Options& o);
int listUnits(const Options& o);
// Records the measured value like the logging dialog, until `records` records
// (0: until Ctrl-C); progress on stderr.
int log(const QString& port, const QString& base, const QString& interval, int records,
        const Options& o);
// One of the reports ("config", "service", "eeprom") as a PDF file; `language` "de", "en" or "fr".
int report(const QString& kind, const QString& port, const QString& pdf, const QString& language,
           const Options& o);
// NAME FACTOR CONDITION GAS, as the add frame takes them.
int addUnit(const QStringList& fields, const Options& o);
int deleteUnit(const QString& name, const Options& o);

}  // namespace cli
