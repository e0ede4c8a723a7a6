#include "features/snapshots.h"
#include <QFileInfo>
#include "session/operation.h"

#include "curve/support_point_editor.h"
#include "device/eeprom_auswerten.h"
#include "device/eeprom_map.h"
#include "device/image_fields.h"
#include "files/password_file.h"
#include "files/snapshot_store.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/image_check.h"
#include "session/link_messages.h"
#include "session/logged_writes.h"
#include "session/snapshot_texts.h"
#include "session/status_texts.h"

using imageFields::Field;
using supportPointEditor::MaxPoints;

namespace {

// What a restore puts back: the curve up to the snapshot's last point.
QVector<Field> restored(int points) {
    return imageFields::configuration() + imageFields::curve(points) + imageFields::calibration();
}

int pointsOf(const QByteArray& image) {
    return qMin(int(quint8(image[address::StpAnzahl])), MaxPoints);
}

}  // namespace

Snapshots::Snapshots(Session& core, const Parts& parts)
    : core_(core),
      password_(parts.password),
      deviceData_(parts.deviceData),
      points_(parts.points),
      analog_(parts.analog),
      write_(parts.write) {}

QStringList Snapshots::restoreChanges(const QByteArray& image) {
    const QByteArray held = core_.linkState.EEPromInhalt.mid(1);
    QStringList lines;
    if (image.size() != protocol::EepromSize || held.size() != protocol::EepromSize) return lines;
    for (const Field& f : imageFields::differing(restored(pointsOf(image)), held, image))
        lines << snapshotTexts::change(f.name, imageFields::valueText(f, held),
                                       imageFields::valueText(f, image));
    return lines;
}

bool Snapshots::restoreTouchesService(const QByteArray& image) const {
    return image.size() == protocol::EepromSize &&
           !imageFields::differing(imageFields::curve(pointsOf(image)) + imageFields::calibration(),
                                   core_.linkState.EEPromInhalt.mid(1), image)
                .isEmpty();
}

WriteResult Snapshots::restoreSnapshot(const QByteArray& image) {
    if (core_.busy() || !core_.linkState.Verbunden) return WriteResult::Failed;
    MeterParameters snapshot;
    const DecodeResult d =
        EEPromAuswerten(char(protocol::DLE) + image, snapshot, core_.settings.unit);
    const QString why = !d.ok() ? d.failure
                        : snapshot.StpAnzahl > MaxPoints
                            ? QStringLiteral("StpAnzahl = %1").arg(snapshot.StpAnzahl)
                            : QString();
    if (!why.isEmpty()) {
        core_.message(snapshotTexts::undecodable(core_.language, why),
                      snapshotTexts::title(core_.language), Buttons::Ok, Symbol::Critical);
        return WriteResult::Refused;
    }
    if (restoreTouchesService(image) && password_.serviceLocked()) {
        core_.message(snapshotTexts::serviceLocked(core_.language),
                      snapshotTexts::title(core_.language), Buttons::Ok, Symbol::Information);
        return WriteResult::Refused;
    }
    if (!core_.keepSnapshot("restore")) return WriteResult::Refused;
    core_.keepOneSnapshot(true);
    const WriteResult r = restoreParts(image, snapshot);
    core_.keepOneSnapshot(false);
    return r;
}

// A part refused, or a meter that no longer answers, ends the restore.
WriteResult Snapshots::restoreParts(const QByteArray& image, const MeterParameters& snapshot) {
    WriteResult r = restoreConfiguration(snapshot);
    if (r == WriteResult::Written || r == WriteResult::Differs) r = restoreCurve(image, snapshot);
    if (r == WriteResult::Written || r == WriteResult::Differs)
        r = restoreRest(image, snapshot.StpAnzahl);
    return r;
}

// Through the configuration write, as a loaded file is written, with the
// upper range limit so that the full scale is checked against the snapshot's.
WriteResult Snapshots::restoreConfiguration(const MeterParameters& snapshot) {
    MeterParameters held;
    EEPromAuswerten(core_.linkState.EEPromInhalt, held, core_.settings.unit);
    const ConfigFile wanted = snapshotStore::configOf(snapshot);
    if (wanted == snapshotStore::configOf(held) && snapshot.MOG == held.MOG)
        return WriteResult::Written;
    core_.meter = held;  // edits in hand give way to the snapshot
    deviceData_.loadConfig(wanted);
    if (snapshot.MOG != held.MOG) {
        core_.meter.MOG = snapshot.MOG;
        analog_.askRangeLimit();
    }
    return write_.KonfigurationSchreiben();
}

// Through the support-point write: the snapshot's points and none after them.
WriteResult Snapshots::restoreCurve(const QByteArray& image, const MeterParameters& snapshot) {
    const QVector<Field> curve = imageFields::curve(snapshot.StpAnzahl);
    if (imageFields::differing(curve, core_.linkState.EEPromInhalt.mid(1), image).isEmpty())
        return WriteResult::Written;
    for (int i = 1; i <= MaxPoints; ++i) {
        const bool given = i <= snapshot.StpAnzahl;
        core_.meter.StpCounts[size_t(i)] = given ? snapshot.StpCounts[size_t(i)] : 0;
        core_.meter.StpFlow[size_t(i)] = given ? snapshot.StpFlow[size_t(i)] : 0.0f;
    }
    core_.meter.StpAnzahl = snapshot.StpAnzahl;
    points_.forgetInsert();
    return points_.writeSupportPoints();
}

// The rest as the calibration writes its area, byte by byte with store and
// restart: the calibration area, and each configuration value the
// configuration write leaves otherwise (one its output does not use, an
// exact divisor). Then the meter is held against the snapshot.
WriteResult Snapshots::restoreRest(const QByteArray& image, int points) {
    Operation operation(core_);
    LoggedWrites steps(core_, image);
    const QVector<Field> rest =
        imageFields::differing(imageFields::configuration() + imageFields::calibration(),
                               core_.linkState.EEPromInhalt.mid(1), image);
    if (!rest.isEmpty()) {
        int bytes = 0;  // each written with its own request, as the store is
        for (const Field& f : rest)
            bytes += imageFields::length(f.kind);
        const ProgressScope progress(
            core_.progress, (bytes + 1) * core_.link().plannedSeconds(request::eepromByte(0, 0)) +
                                core_.readBackSeconds());
        core_.setCountsTimer(false);
        core_.state.writing = true;
        core_.refreshControls();
        core_.setStatus({startTexts::writing});
        bool answered = true;
        for (int i = 0; answered && i < rest.size(); ++i) {
            const Field& f = rest[i];
            answered = steps.absoluteWrite(
                image.mid(f.address, imageFields::length(f.kind)), f.address,
                f.kind == imageFields::Kind::Float32 ? "WRITE F ADD." : "WRITE I ADD.");
        }
        answered = answered && steps.taken(steps.exchange(request::store(), "SAVE EEPROM"),
                                           QStringLiteral("SAVE EEPROM"));
        if (answered) core_.link().send(request::coldStartReset());
        const bool read = answered && core_.readAfterRestart();
        core_.state.writing = false;
        core_.refreshControls();
        if (!read) return WriteResult::Failed;
    }
    QStringList lines;
    for (const QString& step : steps.refused)
        lines << linkTexts::refusedStep(core_.language, step);
    return core_.verdict(lines + imageDifferences(core_.language, restored(points), image,
                                                  core_.linkState.EEPromInhalt.mid(1)));
}

void Snapshots::restoreFromMenu() {
    if (core_.busy() || !core_.linkState.Verbunden) return;
    const QString title = snapshotTexts::title(core_.language);
    // The meter's own snapshots first; before its first write, those of the others.
    QString start = core_.snapshotFolder();
    if (!QFileInfo(start).isDir()) start = QFileInfo(start).path();
    if (!QFileInfo(start).isDir()) start = core_.folder();
    const QString path =
        core_.dialogs().fileName({FileQuestion::Open, title, start + QLatin1Char('/'),
                                  snapshotTexts::filter(core_.language)});
    if (path.isEmpty()) return;
    QString error;
    const QByteArray image = snapshotStore::read(path, error);
    if (image.isEmpty()) {
        core_.message(snapshotTexts::unreadable(core_.language, path, error), title, Buttons::Ok,
                      Symbol::Critical);
        return;
    }
    QStringList changes = restoreChanges(image);
    if (changes.isEmpty()) {
        core_.message(snapshotTexts::nothingToRestore(core_.language), title, Buttons::Ok,
                      Symbol::Information);
        return;
    }
    const QString of = snapshotStore::serialOf(image);
    const QString connected = snapshotStore::serialOf(core_.linkState.EEPromInhalt.mid(1));
    if (of != connected) changes.prepend(snapshotTexts::otherMeter(core_.language, of, connected));
    if (core_.message(snapshotTexts::question(core_.language, changes), title, Buttons::YesNo,
                      Symbol::Question) == Answer::Yes)
        restoreSnapshot(image);
}
