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
    if (!snapshotStore::keep(folder, QDateTime::currentDateTime(), QLatin1String(operation),
                             linkState.EEPromInhalt.mid(1), readable ? &decoded : nullptr, error)
             .isEmpty())
        return true;
    message(snapshotTexts::notKept(language, folder, error), snapshotTexts::title(language),
            Buttons::Ok, Symbol::Critical);
    return false;
}

void Session::restoreFromMenu() {
    if (busy() || !linkState.Verbunden) return;
    const QString title = snapshotTexts::title(language);
    // The meter's own snapshots first; before its first write, those of the others.
    QString start = snapshotFolder();
    if (!QFileInfo(start).isDir()) start = QFileInfo(start).path();
    if (!QFileInfo(start).isDir()) start = folder_;
    const QString path = dialogs_.fileName(
        {FileQuestion::Open, title, start + QLatin1Char('/'), snapshotTexts::filter(language)});
    if (path.isEmpty()) return;
    QString error;
    const QByteArray image = snapshotStore::read(path, error);
    if (image.isEmpty()) {
        message(snapshotTexts::unreadable(language, path, error), title, Buttons::Ok,
                Symbol::Critical);
        return;
    }
    QStringList changes = restoreChanges(image);
    if (changes.isEmpty()) {
        message(snapshotTexts::nothingToRestore(language), title, Buttons::Ok, Symbol::Information);
        return;
    }
    const QString of = snapshotStore::serialOf(image);
    const QString connected = snapshotStore::serialOf(linkState.EEPromInhalt.mid(1));
    if (of != connected) changes.prepend(snapshotTexts::otherMeter(language, of, connected));
    if (message(snapshotTexts::question(language, changes), title, Buttons::YesNo,
                Symbol::Question) == Answer::Yes)
        restoreSnapshot(image);
}
