#include <QDateTime>
#include <QFileInfo>

#include "device/eeprom_auswerten.h"
#include "files/snapshot_store.h"
#include "session/session.h"
#include "session/snapshot_texts.h"

QString Session::snapshotFolder() const {
    return snapshotStore::folder(folder_, snapshotStore::serialOf(linkState.EEPromInhalt.mid(1)));
}

// Keeps the image read before a write. Without a meter nothing is sent, so
// nothing needs keeping; a restore keeps one snapshot for all its writes.
bool Session::keepSnapshot(const char* operation) {
    if (!linkState.Verbunden || snapshotKept_) return true;
    MeterParameters decoded;  // the files beside the image give flows in kg/h
    const bool readable = EEPromAuswerten(linkState.EEPromInhalt, decoded, Unit{}).ok();
    const QString folder = snapshotFolder();
    QString error;
    state.lastSnapshot =
        snapshotStore::keep(folder, QDateTime::currentDateTime(), QLatin1String(operation),
                            linkState.EEPromInhalt.mid(1), readable ? &decoded : nullptr, error);
    if (!state.lastSnapshot.isEmpty()) return true;
    message(snapshotTexts::notKept(language, folder, error), snapshotTexts::title(language),
            Buttons::Ok, Symbol::Critical);
    return false;
}
