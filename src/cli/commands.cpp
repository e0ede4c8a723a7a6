#include "cli/commands.h"

#include <QDir>
#include <QTextStream>

#include "device/eeprom_auswerten.h"
#include "device/parameter_list.h"
#include "files/program_folder.h"
#include "session/headless.h"

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

// Opens the port, checks the connection, reads and decodes the image into the
// session's record in its unit; the exit code of the first step that failed.
int readMeter(Headless& tool, const QString& port) {
    QTextStream err(stderr);
    QString failure;
    if (!tool.open(port, failure)) {
        err << "orbis-cli: cannot open " << tool.port.systemName() << ": " << failure << Qt::endl;
        return PortFailed;
    }
    if (!tool.session.link().testConnection()) {
        err << "orbis-cli: the meter on " << tool.port.systemName() << " does not answer."
            << Qt::endl;
        return NoAnswer;
    }
    if (!tool.session.EEPromLesen()) {
        err << "orbis-cli: the EEPROM image could not be read completely." << Qt::endl;
        return EepromIncomplete;
    }
    const DecodeResult r = EEPromAuswerten(tool.session.linkState.EEPromInhalt, tool.session.meter,
                                           tool.session.settings.unit);
    if (!r.ok()) {
        err << "orbis-cli: " << r.failure << ", SUB EEPromAuswerten" << Qt::endl;
        return DecodeFailed;
    }
    return Done;
}

// The unit of the file's flows: the one named, else the settings file's.
bool chooseUnit(Session& s, const QString& name) {
    const QDir folder(programFolder::forThisProcess());
    s.settings = settingsFile::read(folder.filePath(QLatin1String(settingsFile::FileName)));
    s.loadUnits(folder.filePath(QStringLiteral("UNIT.CON")));
    if (name.isEmpty()) return true;
    for (const Unit& u : s.units.entries)
        if (u.Einheit == name) {
            s.settings.unit = u;
            return true;
        }
    QTextStream(stderr) << "orbis-cli: UNIT.CON has no unit " << name << Qt::endl;
    return false;
}

}  // namespace

int read(const QString& port) {
    Headless tool;
    tool.session.language = Language::English;
    tool.session.settings.unit = Unit{};  // the parameters as the meter holds them, in kg/h
    if (const int code = readMeter(tool, port); code != Done) return code;
    QTextStream out(stdout);
    for (const auto& [name, value] : parameterList(tool.session.meter))
        out << name << " = " << value << '\n';
    out << '\n';
    printImage(out, tool.session.linkState.EEPromInhalt);
    return Done;
}

int saveConfig(const QString& port, const QString& file, const QString& unit) {
    Headless tool;
    tool.session.language = Language::English;
    if (!chooseUnit(tool.session, unit)) return UnknownUnit;
    if (const int code = readMeter(tool, port); code != Done) return code;
    const QString path = configFile::saveName(file);
    if (!tool.session.saveConfig(path)) return FileFailed;
    QTextStream(stderr) << "orbis-cli: configuration saved in " << path << Qt::endl;
    return Done;
}

}  // namespace cli
