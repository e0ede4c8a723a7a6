#include "cli/common.h"

#include "cli/json_output.h"

#include <QTextStream>

#include "config/einheitentabelle.h"
#include "device/eeprom_auswerten.h"
#include "files/language_file.h"
#include "files/program_folder.h"

namespace cli {

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

QString folderOf(const Options& o) {
    return o.folder.isEmpty() ? programFolder::forThisProcess() : o.folder;
}

void loadFolder(Session& s) {
    s.settings = settingsFile::read(s.file(QLatin1String(settingsFile::FileName)));
    s.language = Language::English;
    TexteLaden(s.file(textFileName(s.language)), s.texts);
    s.loadUnits(s.file(QLatin1String(Einheitentabelle::FileName)));
}

namespace {

int exitCodeOf(WriteResult r) {
    switch (r) {
        case WriteResult::Written:
            return Done;
        case WriteResult::Refused:
            return Refused;
        case WriteResult::Differs:
            return Differs;
        case WriteResult::Failed:
            break;
    }
    return NoAnswer;
}

}  // namespace

int writeExit(const Session& s, WriteResult r, const Written& w) {
    if (r == WriteResult::Differs)
        for (const QString& d : s.state.writeDifferences)
            QTextStream(stderr) << "orbis-cli: " << d << Qt::endl;
    const int code = exitCodeOf(r);
    if (w.o.json) printJson(writeJson(s, w.asked, r, code));
    return code;
}

}  // namespace cli
