#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "cli/command_table.h"

namespace cli {
namespace {

QString overview() {
    QString t = QStringLiteral(
        "Usage: orbis-cli COMMAND [ARGUMENTS] [OPTIONS]\n\n"
        "The KRN410-Q Orbis tool for scripts: the window's operations on the meter and its "
        "files.\n\nCommands:\n");
    for (const CommandSpec& c : commandTable())
        t += QStringLiteral("  %1\n      %2\n")
                 .arg((c.name + QLatin1Char(' ') + c.arguments).trimmed(), c.summary);
    return t + QStringLiteral(
                   "\nOptions of every command:\n"
                   "  --folder DIR   the program folder (default: the window's)\n"
                   "  -h, --help     this text; COMMAND --help describes a command\n"
                   "  -v, --version  the tool's version\n\n"
                   "PORT is a port number, a device path, or socket://HOST:PORT or "
                   "rfc2217://HOST:PORT\n"
                   "for a meter behind a serial device server.\n"
                   "Exit codes: 0 done, 1 usage or unknown unit, 2 the port cannot be opened, "
                   "3 the meter does not answer,\n4 the EEPROM cannot be read completely, 5 the "
                   "image cannot be decoded, 6 a file cannot be read or\nwritten or a check "
                   "refused the change, 7 the meter does not hold what was written.\n");
}

Invocation replying(const QString& text, int code) {
    Invocation i;
    i.reply = text;
    i.replyIsError = code != Done;
    i.exitCode = code;
    return i;
}

Invocation mistake(const QString& what, const QString& command) {
    const QString help = command.isEmpty() ? QStringLiteral("orbis-cli --help")
                                           : QStringLiteral("orbis-cli %1 --help").arg(command);
    return replying(QStringLiteral("orbis-cli: %1 (see %2)\n").arg(what, help), Usage);
}

// A parser that knows the options of `c`, or every option before the command is known.
void describe(QCommandLineParser& p, const CommandSpec* c) {
    p.addOption({{"h", "help"}, QStringLiteral("This help.")});
    p.addOption({{"v", "version"}, QStringLiteral("The tool's version.")});
    if (!c) {
        p.addOptions(optionTable());
        return;
    }
    p.setApplicationDescription(c->summary);
    for (const QString& name : commonOptions() + c->options)
        p.addOption(option(name));
    p.addPositionalArgument(c->name, QStringLiteral("the command"));
    for (const QString& a : c->arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        p.addPositionalArgument(a, argumentMeaning(a));
}

// The help of a command, under the program's name rather than its path.
QString commandHelp(const QCommandLineParser& p) {
    QString text = p.helpText();
    const int from = int(QStringLiteral("Usage: ").size());
    return text.replace(from, text.indexOf(QLatin1String(" [options]")) - from,
                        QStringLiteral("orbis-cli"));
}

// The options' values, checked; the empty text or what is wrong.
QString takeOptions(const QCommandLineParser& p, const CommandSpec& c, Invocation& i) {
    const QStringList known = commonOptions() + c.options;
    const auto given = [&](const char* name) { return known.contains(name) && p.isSet(name); };
    const auto value = [&](const char* name) { return given(name) ? p.value(name) : QString(); };
    for (const QString& name : c.needed)
        if (!p.isSet(name)) return QStringLiteral("%1 needs --%2").arg(c.name, name);
    Options& o = i.options;
    o.folder = value("folder");
    o.unit = value("unit");
    o.passwordGiven = given("password");
    o.password = value("password");
    o.otherMeter = given("other-meter");
    o.json = given("json");
    o.fast = given("fast");
    i.interval = value("interval");
    i.pdf = value("pdf");
    i.language = value("language");
    if (!given("records")) return QString();
    bool whole = false;
    i.records = value("records").toInt(&whole);
    if (whole && i.records > 0) return QString();
    return QStringLiteral("--records takes a whole number above 0, not \"%1\"")
        .arg(value("records"));
}

Invocation commandInvocation(const QStringList& arguments, const CommandSpec& c) {
    QCommandLineParser p;
    describe(p, &c);
    if (!p.parse(arguments)) return mistake(p.errorText(), c.name);
    if (p.isSet(QStringLiteral("help"))) return replying(commandHelp(p), Done);
    Invocation i;
    i.command = c.name;
    i.arguments = p.positionalArguments().mid(1);
    const int n = int(i.arguments.size());
    if (n < c.required() || n > c.allowed())
        return mistake(
            QStringLiteral("%1 takes %2, not %3 argument(s)")
                .arg(c.name, c.arguments.isEmpty() ? QStringLiteral("no arguments") : c.arguments)
                .arg(n),
            c.name);
    const QString wrong = takeOptions(p, c, i);
    return wrong.isEmpty() ? i : mistake(wrong, c.name);
}

}  // namespace

Invocation parseCommandLine(const QStringList& arguments) {
    QCommandLineParser p;
    describe(p, nullptr);
    const bool parsed = p.parse(arguments);
    const QString name = p.positionalArguments().value(0);
    if (p.isSet(QStringLiteral("version")))
        return replying(
            QStringLiteral("orbis-cli %1\n").arg(QCoreApplication::applicationVersion()), Done);
    if (name.isEmpty() && p.isSet(QStringLiteral("help"))) return replying(overview(), Done);
    // An unknown command first: its options cannot be known.
    const CommandSpec* c = findCommand(name);
    if (!name.isEmpty() && !c)
        return mistake(QStringLiteral("there is no command \"%1\"").arg(name), QString());
    if (!parsed) return mistake(p.errorText(), name);
    if (!c) return replying(overview(), Usage);
    return commandInvocation(arguments, *c);
}

QString completionWords(const QString& command) {
    QStringList words;
    const CommandSpec* c = findCommand(command);
    if (!c) {
        for (const CommandSpec& each : commandTable())
            words << each.name;
        words << QStringLiteral("--help") << QStringLiteral("--version");
    } else {
        for (const QString& name : commonOptions() + c->options)
            words << QStringLiteral("--") + name;
        words << QStringLiteral("--help");
    }
    return words.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace cli
