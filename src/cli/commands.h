#pragma once

#include <QString>

// The subcommands of orbis-cli; each returns the program's exit code.
namespace cli {

constexpr int Done = 0;
constexpr int PortFailed = 2;
constexpr int NoAnswer = 3;
constexpr int EepromIncomplete = 4;
constexpr int DecodeFailed = 5;
constexpr int FileFailed = 6;
constexpr int UnknownUnit = 1;

int read(const QString& port);
// `unit` names a unit of UNIT.CON for the file's flows; empty: the settings
// file's unit, else kg/h.
int saveConfig(const QString& port, const QString& file, const QString& unit);

}  // namespace cli
