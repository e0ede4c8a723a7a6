#include <unistd.h>

#include <QTextStream>

#include "cli/commands.h"
#include "cli/common.h"
#include "cli/json_output.h"
#include "cli/progress_printer.h"
#include "cli/service_password.h"
#include "features/headless.h"
#include "files/snapshot_store.h"

namespace cli {

int listSnapshots(const QString& serial, const Options& o) {
    const QVector<snapshotStore::Entry> entries = snapshotStore::list(folderOf(o), serial);
    if (o.json) {
        printJson(snapshotsJson(entries));
        return Done;
    }
    QTextStream out(stdout);
    for (const snapshotStore::Entry& e : entries)
        out << e.serial << "  " << e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << "  "
            << e.operation << "  " << e.path << '\n';
    return Done;
}

int restore(const QString& port, const QString& file, const Options& o) {
    QTextStream err(stderr);
    QString error;
    const QByteArray image = snapshotStore::read(file, error);
    if (image.isEmpty()) {
        err << "orbis-cli: " << file << ": " << error << Qt::endl;
        return Refused;
    }
    Headless tool(folderOf(o));
    Session& s = tool.session;
    loadFolder(s);
    s.settings.unit = Unit{};  // the flows as the meter holds them
    s.linkState.fast = o.fast;
    if (const int code = readMeter(tool, port); code != Done) return code;
    const QString of = snapshotStore::serialOf(image);
    const QString connected = snapshotStore::serialOf(s.linkState.EEPromInhalt.mid(1));
    if (of != connected && !o.otherMeter) {
        err << "orbis-cli: " << file << " is a snapshot of meter " << of << ", not of " << connected
            << "; --other-meter writes it all the same" << Qt::endl;
        return Refused;
    }
    const QStringList changes = tool.features.snapshots.restoreChanges(image);
    if (changes.isEmpty()) {
        err << "orbis-cli: the meter already holds what the snapshot holds" << Qt::endl;
        return Done;
    }
    if (tool.features.snapshots.restoreTouchesService(image))
        if (const int code = servicePassword(tool, o); code != Done) return code;
    for (const QString& c : changes)
        err << "orbis-cli: " << c << Qt::endl;
    ProgressPrinter progress(s, isatty(STDERR_FILENO) != 0);
    progress.followStatus(s);
    return writeExit(s, tool.features.snapshots.restoreSnapshot(image), {file, o});
}

}  // namespace cli
