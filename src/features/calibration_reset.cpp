#include "features/calibration_reset.h"
#include "device/dac_calibration.h"
#include "device/device_errors.h"
#include "device/image_fields.h"
#include "device/number_format.h"
#include "device/write_targets.h"
#include "link/byte_order.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/image_check.h"
#include "session/link_messages.h"
#include "session/operation.h"

using namespace dacCalibration;

namespace {

constexpr double StageAnnouncement = 2.0;

QString stageMark(Stage s) {
    return s == Stage::Current ? QStringLiteral("(I)") : QStringLiteral("(U)");
}

// Every exchange waits its fixed second. Each stage is announced, reads the
// configuration and gives it back, writes each calibration point byte by
// byte (its counts as a word, its level as a single) and its offset and
// factor words; then each reference level byte by byte, the store and the
// two error queries.
double plannedSeconds(const Session& core) {
    constexpr int stages = 2;
    const int pointBytes = int(byteOrder::word16(0).size() + byteOrder::float32(0).size());
    const int perStage = 2 + int(defaultPoints(Stage::Current).size()) * pointBytes +
                         int(std::tuple_size<decltype(DacKalibrierung({}, Stage::Current, {}))>());
    const int exchanges =
        stages * perStage + int(defaultReferences().size() * byteOrder::float32(0).size()) + 3;
    // Most exchanges write a byte into the EEPROM; fast mode plans that for all.
    const Link& link = core.link();
    return link.plannedPause(stages * StageAnnouncement) +
           exchanges * link.plannedSeconds(request::eepromByte(0, 0)) + core.readBackSeconds();
}

}  // namespace

CalibrationReset::CalibrationReset(Session& core) : core_(core) {}

// Resets both output stages to the default calibration points, sends the
// offsets and factors they give, writes the default reference levels, stores
// and restarts. A request the meter refuses is noted and the sequence goes
// on, so that the configuration is always given back and the meter restarted;
// only a meter that no longer answers ends it early. The meter is then read
// again, polling resumes, and what it holds is held against what was asked.
WriteResult CalibrationReset::calibrationReset() {
    if (core_.busy() || !core_.linkState.Verbunden) return WriteResult::Failed;
    Operation operation(core_);
    if (!core_.keepSnapshot("calibrate-reset")) return WriteResult::Refused;
    const ProgressScope progress(core_.progress, plannedSeconds(core_));
    core_.setCountsTimer(false);
    core_.state.writing = true;
    core_.refreshControls();
    core_.display.setItems(QStringLiteral("lst_rs232"), {});
    core_.link().discardInput();
    LoggedWrites steps(core_, core_.linkState.EEPromInhalt.mid(1));
    const bool answered = resetStage(Stage::Current, steps) && resetStage(Stage::Voltage, steps) &&
                          storeCalibration(steps);
    const WriteResult r = answered && core_.readAfterRestart()
                              ? core_.verdict(calibrationDifferences(steps))
                              : WriteResult::Failed;
    core_.state.writing = false;
    core_.refreshControls();
    return r;
}

bool CalibrationReset::resetStage(Stage stage, LoggedWrites& steps) {
    core_.setStatus(stage == Stage::Current
                        ? QStringLiteral("Stromabgleich DEFAULT durchführen")
                        : QStringLiteral("Spannungsabgleich DEFAULT durchführen"));
    core_.link().pause(StageAnnouncement);
    const Reply config = steps.exchange(request::readConfig(), "CONFIG");
    if (!steps.taken(config, QStringLiteral("CONFIG"))) return false;
    // Without the meter's answer, the bytes of the image read before are given back.
    const QByteArray kept =
        config.acknowledged() && config.bytes.size() == protocol::ConfigReplyLength
            ? config.bytes.mid(protocol::ConfigReplyStart)
            : core_.linkState.EEPromInhalt.mid(1, protocol::ConfigBytes);
    steps.asked.replace(0, protocol::ConfigBytes, kept);
    core_.setStatus(QStringLiteral("Bit Schalter 1 setzen"));
    const auto& points = defaultPoints(stage);
    for (const Point& p : points) {
        core_.setStatus(QString::number(p.counts) + QString::fromUtf8(p.countsText));
        if (!steps.absoluteWrite(byteOrder::word16(quint16(p.counts)), p.countsAddress,
                                 "WRITE I ADD."))
            return false;
        core_.setStatus(numberFormat::shortest(p.level) + QString::fromUtf8(p.levelText));
        if (!steps.absoluteWrite(byteOrder::float32(p.level), p.levelAddress, "WRITE F ADD."))
            return false;
    }
    for (const Word& w : DacKalibrierung(points, stage, core_.meter.DacReferenz)) {
        if (w.outOfTolerance)
            core_.message(QStringLiteral("Analog Offset außerhalb Toleranz"),
                          QStringLiteral("Fehler bei DAC Abgleich"), Buttons::Ok,
                          Symbol::Information);
        core_.setStatus(QString::fromUtf8(w.status) + QString::number(w.value));
        const QByteArray frame = request::writeWord(w.index, w.value);
        applyWrite(steps.asked, frame);
        const QString step = QLatin1String(w.label) + QLatin1Char(' ') + stageMark(stage);
        if (!steps.taken(steps.exchange(frame, w.label), step)) return false;
    }
    core_.setStatus(QStringLiteral("Alte Konfiguration zurückschreiben"));
    return steps.taken(steps.exchange(request::writeConfig(kept), "CONFIG"),
                       QStringLiteral("CONFIG"));
}

// The default reference levels, the store and the restart, with the error
// queries between them.
bool CalibrationReset::storeCalibration(LoggedWrites& steps) {
    for (const Reference& r : defaultReferences()) {
        core_.setStatus(QString::fromUtf8(r.text));
        if (!steps.absoluteWrite(byteOrder::float32(r.level), r.address, "WRITE F ADD."))
            return false;
    }
    core_.setStatus(QStringLiteral("Fehler abfragen"));
    core_.readError();
    core_.setStatus(QStringLiteral("Daten werden in EEProm gebrannt"));
    if (!steps.taken(steps.exchange(request::store(), "SAVE EEPROM"),
                     QStringLiteral("SAVE EEPROM")))
        return false;
    core_.setStatus(QStringLiteral("Fehler abfragen"));
    core_.readError();
    core_.setStatus(QStringLiteral("System Reset"));
    core_.link().send(request::coldStartReset());
    return true;
}

// The steps the meter refused, then each value it holds otherwise than asked.
QStringList CalibrationReset::calibrationDifferences(const LoggedWrites& steps) const {
    QStringList lines;
    for (const QString& step : steps.refused)
        lines << linkTexts::refusedStep(core_.language, step);
    return lines + imageDifferences(core_.language,
                                    imageFields::calibration() + imageFields::configurationBytes(),
                                    steps.asked, core_.linkState.EEPromInhalt.mid(1));
}
