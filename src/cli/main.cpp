// orbis-cli: the tool's operations for scripts and machines without a
// display, on the same session as the window. The commands, their
// arguments and options are listed in command_table.cpp (`orbis-cli
// --help` prints them); the exit codes are those of commands.h.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <functional>
#include <map>
#include <memory>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/fleet.h"

namespace {

using Run = std::function<int(const cli::Invocation&)>;

// Each command of the table, by name, on the session's operations.
const std::map<QString, Run>& runners() {
    using cli::Invocation;
    static const std::map<QString, Run> table{
        {"read", [](const Invocation& i) { return cli::read(i.arguments[0], i.options); }},
        {"save-config",
         [](const Invocation& i) {
             return cli::saveConfig(i.arguments[0], i.arguments[1], i.options);
         }},
        {"write-config",
         [](const Invocation& i) {
             return cli::writeConfig(i.arguments[0], i.arguments[1], i.options);
         }},
        {"write-factory",
         [](const Invocation& i) { return cli::writeFactory(i.arguments[0], i.options); }},
        {"read-curve",
         [](const Invocation& i) { return cli::readCurve(i.arguments[0], i.arguments.value(1)); }},
        {"write-curve",
         [](const Invocation& i) {
             return cli::writeCurve(i.arguments[0], i.arguments[1], i.options);
         }},
        {"calibrate-reset",
         [](const Invocation& i) { return cli::calibrateReset(i.arguments[0], i.options); }},
        {"snapshots",
         [](const Invocation& i) { return cli::listSnapshots(i.arguments.value(0), i.options); }},
        {"restore",
         [](const Invocation& i) {
             return cli::restore(i.arguments[0], i.arguments[1], i.options);
         }},
        {"log",
         [](const Invocation& i) {
             return cli::log(i.arguments[0], i.arguments[1], i.interval, i.records, i.options);
         }},
        {"report",
         [](const Invocation& i) {
             return cli::report(i.arguments[0], i.arguments[1], i.pdf, i.language, i.options);
         }},
        {"units", [](const Invocation& i) { return cli::listUnits(i.options); }},
        {"unit-add", [](const Invocation& i) { return cli::addUnit(i.arguments, i.options); }},
        {"unit-delete",
         [](const Invocation& i) { return cli::deleteUnit(i.arguments[0], i.options); }},
        {"fleet", [](const Invocation& i) { return cli::fleet(i.arguments, i.options); }},
    };
    return table;
}

}  // namespace

int main(int argc, char** argv) {
    // Reports are drawn with fonts, which need the GUI library but no display.
    const bool drawing = argc > 1 && qstrcmp(argv[1], "report") == 0;
    if (drawing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(drawing ? new QGuiApplication(argc, argv)
                                                  : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("orbis-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBIS_VERSION));
    const QStringList arguments = QCoreApplication::arguments();
    // The bash completion asks for the words that may follow.
    if (arguments.value(1) == QLatin1String("--complete")) {
        QTextStream(stdout) << cli::completionWords(arguments.value(2));
        return cli::Done;
    }
    const cli::Invocation i = cli::parseCommandLine(arguments);
    if (!i.reply.isEmpty()) {
        QTextStream(i.replyIsError ? stderr : stdout) << i.reply;
        return i.exitCode;
    }
    return runners().at(i.command)(i);
}
