#include "support/cli_process.h"

#include <QProcess>

#include "support/file_helpers.h"

CliResult runCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ORBIS_CLI), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

namespace {

constexpr int CreepLine = 5;  // counted from 0

}  // namespace

bool savedWithCreep(const QString& port, const QString& file, const QByteArray& creep) {
    if (runCli({"save-config", port, file}).code != 0) return false;
    QByteArrayList lines = readFile(file).split('\n');
    lines[CreepLine] = ' ' + creep + '\r';
    writeFile(file, lines.join('\n'));
    return true;
}
