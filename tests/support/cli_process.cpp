#include "support/cli_process.h"

#include <QProcess>

CliResult runCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ORBIS_CLI), args);
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
