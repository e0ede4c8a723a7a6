#include "cli/commands.h"

#include "cli/common.h"
#include "cli/json_output.h"
#include "cli/progress_printer.h"
#include "cli/service_password.h"

#include <unistd.h>

#include <QDir>
#include <QTextStream>

#include "config/einheitentabelle.h"
#include "device/eeprom_auswerten.h"
#include "device/parameter_list.h"
#include "features/headless.h"
#include "files/curve_csv.h"
#include "files/language_file.h"
#include "files/program_folder.h"
#include "session/refusal_texts.h"

namespace cli {
namespace {

constexpr int BytesPerRow = 12;

void printImage(QTextStream& out, const QByteArray& reply) {
    const QByteArray eeprom = reply.mid(1);
    for (int a = 0; a < eeprom.size(); a += BytesPerRow) {
        out << QStringLiteral("%1 ").arg(a, 3, 10, QLatin1Char('0'));
        for (int i = a; i < qMin(a + BytesPerRow, int(eeprom.size())); ++i)
            out << QStringLiteral(" %1").arg(quint8(eeprom[i]), 2, 16, QLatin1Char('0')).toUpper();
        out << '\n';
    }
}

int unitPosition(const Session& s, const QString& name) {
    for (int i = 0; i < s.units.entries.size(); ++i)
        if (s.units.entries[i].Einheit == name) return i;
    QTextStream(stderr) << "orbis-cli: UNIT.CON has no unit " << name << Qt::endl;
    return -1;
}

// The unit of the file's flows: the one named, else the settings file's.
bool chooseUnit(Session& s, const QString& name) {
    loadFolder(s);
    if (name.isEmpty()) return true;
    const int i = unitPosition(s, name);
    if (i >= 0) s.settings.unit = s.units.entries[i];
    return i >= 0;
}

}  // namespace

int read(const QString& port, const Options& o) {
    Headless tool;
    tool.session.language = Language::English;
    tool.session.settings.unit = Unit{};  // the parameters as the meter holds them, in kg/h
    if (const int code = readMeter(tool, port); code != Done) return code;
    if (o.json) {
        printJson(meterJson(tool.session));
        return Done;
    }
    QTextStream out(stdout);
    for (const auto& [name, value] : parameterList(tool.session.meter))
        out << name << " = " << value << '\n';
    out << '\n';
    printImage(out, tool.session.linkState.EEPromInhalt);
    return Done;
}

int saveConfig(const QString& port, const QString& file, const Options& o) {
    Headless tool(folderOf(o));
    if (!chooseUnit(tool.session, o.unit)) return Usage;
    if (const int code = readMeter(tool, port); code != Done) return code;
    const QString path = configFile::saveName(file);
    if (!tool.features.deviceData.saveConfig(path)) return Refused;
    QTextStream(stderr) << "orbis-cli: configuration saved in " << path << Qt::endl;
    return Done;
}

namespace {

// Reads the meter and runs a write of `asked` on it, with the write's status
// texts as progress.
int runWrite(Headless& tool, const QString& port, const Written& asked,
             const std::function<WriteResult(Session&)>& write) {
    Session& s = tool.session;
    s.linkState.fast = asked.o.fast;
    if (const int code = readMeter(tool, port); code != Done) return code;
    ProgressPrinter progress(s, isatty(STDERR_FILENO) != 0);
    progress.followStatus(s);
    return writeExit(s, write(s), asked);
}

}  // namespace

int writeConfig(const QString& port, const QString& file, const Options& o) {
    Headless tool(folderOf(o));
    if (!chooseUnit(tool.session, o.unit)) return Usage;
    const configFile::ReadResult f = configFile::read(file);
    if (!f.ok()) {
        QTextStream(stderr) << "orbis-cli: " << file << ": " << f.error << "   [Fehlernummer "
                            << f.errorNumber << "]" << Qt::endl;
        return Refused;
    }
    return runWrite(tool, port, {file, o}, [&](Session& s) {
        const Refusal refused = tool.features.deviceData.loadConfig(f.values);
        if (!refused.refused) return tool.features.write.KonfigurationSchreiben();
        QTextStream(stderr) << "orbis-cli: " << refusalTexts::inFile(s.language, file, refused)
                            << Qt::endl;
        return WriteResult::Refused;
    });
}

int writeFactory(const QString& port, const Options& o) {
    Headless tool(folderOf(o));
    if (!chooseUnit(tool.session, o.unit)) return Usage;
    return runWrite(tool, port, {QStringLiteral("factory settings"), o}, [&tool](Session&) {
        return tool.features.deviceData.factorySettings()
                   ? tool.features.write.KonfigurationSchreiben()
                   : WriteResult::Refused;
    });
}

int readCurve(const QString& port, const QString& file) {
    Headless tool;
    tool.session.settings.unit = Unit{};
    if (const int code = readMeter(tool, port); code != Done) return code;
    QString error;
    if (file.isEmpty()) {
        const QByteArray csv = curveCsv::text(tool.session.meter, error);
        if (error.isEmpty()) QTextStream(stdout) << csv;
    } else {
        curveCsv::write(file, tool.session.meter, error);
    }
    if (error.isEmpty()) return Done;
    QTextStream(stderr) << "orbis-cli: "
                        << (file.isEmpty() ? QString() : file + QStringLiteral(": ")) << error
                        << Qt::endl;
    return Refused;
}

int writeCurve(const QString& port, const QString& file, const Options& o) {
    const curveCsv::ReadResult table = curveCsv::read(file);
    if (!table.ok()) {
        QTextStream(stderr) << "orbis-cli: " << file << ": " << table.error << Qt::endl;
        return Refused;
    }
    Headless tool(folderOf(o));
    if (const int code = servicePassword(tool, o); code != Done) return code;
    tool.session.settings.unit = Unit{};
    tool.session.language = Language::English;
    return runWrite(tool, port, {file, o}, [&](Session& s) {
        curveCsv::apply(table, s.meter);
        return tool.features.points.writeSupportPoints();
    });
}

int calibrateReset(const QString& port, const Options& o) {
    Headless tool(folderOf(o));
    Session& s = tool.session;
    loadFolder(s);
    if (const int code = servicePassword(tool, o); code != Done) return code;
    s.linkState.fast = o.fast;
    if (const int code = readMeter(tool, port); code != Done) return code;
    int logged = 0;
    ProgressPrinter progress(s, isatty(STDERR_FILENO) != 0);
    s.display.setListener([&](const QString& name, Aspect a, const QVariant& v) {
        if (name == QLatin1String("SB1_1") && a == Aspect::Text && !v.toString().isEmpty())
            progress.step(v.toString());
        if (name != QLatin1String("lst_rs232") || a != Aspect::Items) return;
        const QStringList lines = v.toStringList();
        FILE* out = o.json ? stderr : stdout;  // standard output holds the JSON alone
        for (; logged < lines.size(); ++logged)
            progress.print(out, lines[logged]);
    });
    return writeExit(s, tool.features.calibration.calibrationReset(),
                     {QStringLiteral("calibration reset"), o});
}

int listUnits(const Options& o) {
    Headless tool(folderOf(o));
    loadFolder(tool.session);
    QTextStream out(stdout);
    for (const Unit& u : tool.session.units.entries)
        out << listText(u) << '\n';
    return Done;
}

// Each field is taken as given or not at all: a text the frame's boxes
// would change (a factor that is not plain digits with one period, a text
// beyond 30 characters) is refused, not stored changed.
int addUnit(const QStringList& fields, const Options& o) {
    Headless tool(folderOf(o));
    Session& s = tool.session;
    loadFolder(s);
    const int before = int(s.units.entries.size());
    tool.features.units.openUnitTask(Task::UnitAdd);
    const UnitField order[] = {UnitField::Name, UnitField::Factor, UnitField::Condition,
                               UnitField::Gas};
    const char* const rules[] = {
        "a name of at most 30 characters", "a plain positive decimal number such as 0.45",
        "a standard condition of at most 30 characters", "a gas of at most 30 characters"};
    for (int i = 0; i < 4; ++i) {
        if (tool.features.units.unitFieldChanged(order[i], fields[i]) != fields[i]) {
            QTextStream(stderr) << "orbis-cli: \"" << fields[i] << "\" is not " << rules[i]
                                << "; nothing was added" << Qt::endl;
            return Refused;
        }
    }
    tool.features.units.storeUnit();
    return s.units.entries.size() > before ? Done : Refused;
}

int deleteUnit(const QString& name, const Options& o) {
    Headless tool(folderOf(o));
    Session& s = tool.session;
    loadFolder(s);
    const int i = unitPosition(s, name);
    if (i < 0) return Usage;
    const int before = int(s.units.entries.size());
    tool.features.units.deleteUnit(i);
    return s.units.entries.size() < before ? Done : Refused;
}

}  // namespace cli
