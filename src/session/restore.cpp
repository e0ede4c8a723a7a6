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
#include "session/session.h"
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

QStringList Session::restoreChanges(const QByteArray& image) {
    const QByteArray held = linkState.EEPromInhalt.mid(1);
    QStringList lines;
    if (image.size() != protocol::EepromSize || held.size() != protocol::EepromSize) return lines;
    for (const Field& f : imageFields::differing(restored(pointsOf(image)), held, image))
        lines << snapshotTexts::change(f.name, imageFields::valueText(f, held),
                                       imageFields::valueText(f, image));
    return lines;
}

bool Session::restoreTouchesService(const QByteArray& image) const {
    return image.size() == protocol::EepromSize &&
           !imageFields::differing(imageFields::curve(pointsOf(image)) + imageFields::calibration(),
                                   linkState.EEPromInhalt.mid(1), image)
                .isEmpty();
}

Session::WriteResult Session::restoreSnapshot(const QByteArray& image) {
    if (busy() || !linkState.Verbunden) return WriteResult::Failed;
    MeterParameters snapshot;
    const DecodeResult d = EEPromAuswerten(char(protocol::DLE) + image, snapshot, settings.unit);
    const QString why = !d.ok() ? d.failure
                        : snapshot.StpAnzahl > MaxPoints
                            ? QStringLiteral("StpAnzahl = %1").arg(snapshot.StpAnzahl)
                            : QString();
    if (!why.isEmpty()) {
        message(snapshotTexts::undecodable(language, why), snapshotTexts::title(language),
                Buttons::Ok, Symbol::Critical);
        return WriteResult::Refused;
    }
    if (restoreTouchesService(image) && serviceLocked()) {
        message(snapshotTexts::serviceLocked(language), snapshotTexts::title(language), Buttons::Ok,
                Symbol::Information);
        return WriteResult::Refused;
    }
    if (!keepSnapshot("restore")) return WriteResult::Refused;
    snapshotKept_ = true;
    const WriteResult r = restoreParts(image, snapshot);
    snapshotKept_ = false;
    return r;
}

// A part refused, or a meter that no longer answers, ends the restore.
Session::WriteResult Session::restoreParts(const QByteArray& image,
                                           const MeterParameters& snapshot) {
    WriteResult r = restoreConfiguration(snapshot);
    if (r == WriteResult::Written || r == WriteResult::Differs) r = restoreCurve(image, snapshot);
    if (r == WriteResult::Written || r == WriteResult::Differs)
        r = restoreRest(image, snapshot.StpAnzahl);
    return r;
}

// Through the configuration write, as a loaded file is written, with the
// upper range limit so that the full scale is checked against the snapshot's.
Session::WriteResult Session::restoreConfiguration(const MeterParameters& snapshot) {
    MeterParameters held;
    EEPromAuswerten(linkState.EEPromInhalt, held, settings.unit);
    const ConfigFile wanted = snapshotStore::configOf(snapshot);
    if (wanted == snapshotStore::configOf(held) && snapshot.MOG == held.MOG)
        return WriteResult::Written;
    meter = held;  // edits in hand give way to the snapshot
    loadConfig(wanted);
    if (snapshot.MOG != held.MOG) {
        meter.MOG = snapshot.MOG;
        edit.chkKonfAnalog[6] = true;
    }
    return KonfigurationSchreiben();
}

// Through the support-point write: the snapshot's points and none after them.
Session::WriteResult Session::restoreCurve(const QByteArray& image,
                                           const MeterParameters& snapshot) {
    const QVector<Field> curve = imageFields::curve(snapshot.StpAnzahl);
    if (imageFields::differing(curve, linkState.EEPromInhalt.mid(1), image).isEmpty())
        return WriteResult::Written;
    for (int i = 1; i <= MaxPoints; ++i) {
        const bool given = i <= snapshot.StpAnzahl;
        meter.StpCounts[size_t(i)] = given ? snapshot.StpCounts[size_t(i)] : 0;
        meter.StpFlow[size_t(i)] = given ? snapshot.StpFlow[size_t(i)] : 0.0f;
    }
    meter.StpAnzahl = snapshot.StpAnzahl;
    edit.StpNeu = false;
    return writeSupportPoints();
}

// The rest as the calibration writes its area, byte by byte with store and
// restart: the calibration area, and each configuration value the
// configuration write leaves otherwise (one its output does not use, an
// exact divisor). Then the meter is held against the snapshot.
Session::WriteResult Session::restoreRest(const QByteArray& image, int points) {
    Operation operation(*this);
    Steps steps{image, {}};
    const QVector<Field> rest =
        imageFields::differing(imageFields::configuration() + imageFields::calibration(),
                               linkState.EEPromInhalt.mid(1), image);
    if (!rest.isEmpty()) {
        setCountsTimer(false);
        state.writing = true;
        refreshControls();
        setStatus(startTexts::writing(language));
        rs232Log_.clear();
        bool answered = true;
        for (int i = 0; answered && i < rest.size(); ++i) {
            const Field& f = rest[i];
            answered = absoluteWrite(
                image.mid(f.address, imageFields::length(f.kind)), f.address,
                f.kind == imageFields::Kind::Float32 ? "WRITE F ADD." : "WRITE I ADD.", steps);
        }
        answered = answered && taken(exchangeLogged(request::store(), "SAVE EEPROM"),
                                     QStringLiteral("SAVE EEPROM"), steps);
        if (answered) link_.send(request::coldStartReset());
        const bool read = answered && readAfterRestart();
        state.writing = false;
        refreshControls();
        if (!read) return WriteResult::Failed;
    }
    QStringList lines;
    for (const QString& step : steps.refused)
        lines << linkTexts::refusedStep(language, step);
    return verdict(
        lines + imageDifferences(language, restored(points), image, linkState.EEPromInhalt.mid(1)));
}

// Changing the curve or the calibration needs the service password, as the
// service page does, unless it was given already.
bool Session::serviceLocked() {
    if (state.serviceUnlocked) return false;
    return !PasswortLesen() || Zugangspasswort != QLatin1String(passwordFile::NoPassword);
}
