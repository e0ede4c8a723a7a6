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
#include "session/session.h"

using namespace dacCalibration;

namespace {

constexpr double StageAnnouncement = 2.0;

QString stageMark(Stage s) {
    return s == Stage::Current ? QStringLiteral("(I)") : QStringLiteral("(U)");
}

}  // namespace

// Resets both output stages to the default calibration points, sends the
// offsets and factors they give, writes the default reference levels, stores
// and restarts. A request the meter refuses is noted and the sequence goes
// on, so that the configuration is always given back and the meter restarted;
// only a meter that no longer answers ends it early. The meter is then read
// again, polling resumes, and what it holds is held against what was asked.
WriteResult Session::calibrationReset() {
    if (busy() || !linkState.Verbunden) return WriteResult::Failed;
    Operation operation(*this);
    if (!keepSnapshot("calibrate-reset")) return WriteResult::Refused;
    setCountsTimer(false);
    state.writing = true;
    refreshControls();
    rs232Log_.clear();
    display.setItems(QStringLiteral("lst_rs232"), rs232Log_);
    link_.discardInput();
    Steps steps{linkState.EEPromInhalt.mid(1), {}};
    const bool answered = resetStage(Stage::Current, steps) && resetStage(Stage::Voltage, steps) &&
                          storeCalibration(steps);
    const WriteResult r = answered && readAfterRestart() ? verdict(calibrationDifferences(steps))
                                                         : WriteResult::Failed;
    state.writing = false;
    refreshControls();
    return r;
}

bool Session::resetStage(Stage stage, Steps& steps) {
    setStatus(stage == Stage::Current ? QStringLiteral("Stromabgleich DEFAULT durchführen")
                                      : QStringLiteral("Spannungsabgleich DEFAULT durchführen"));
    link_.Warten(StageAnnouncement);
    const Reply config = exchangeLogged(request::readConfig(), "CONFIG");
    if (!taken(config, QStringLiteral("CONFIG"), steps)) return false;
    // Without the meter's answer, the bytes of the image read before are given back.
    const QByteArray kept =
        config.acknowledged() && config.bytes.size() == protocol::ConfigReplyLength
            ? config.bytes.mid(protocol::ConfigReplyStart)
            : linkState.EEPromInhalt.mid(1, protocol::ConfigBytes);
    steps.asked.replace(0, protocol::ConfigBytes, kept);
    setStatus(QStringLiteral("Bit Schalter 1 setzen"));
    const auto& points = defaultPoints(stage);
    for (const Point& p : points) {
        setStatus(QString::number(p.counts) + QString::fromUtf8(p.countsText));
        if (!absoluteWrite(byteOrder::word16(quint16(p.counts)), p.countsAddress, "WRITE I ADD.",
                           steps))
            return false;
        setStatus(numberFormat::shortest(p.level) + QString::fromUtf8(p.levelText));
        if (!absoluteWrite(byteOrder::float32(p.level), p.levelAddress, "WRITE F ADD.", steps))
            return false;
    }
    for (const Word& w : DacKalibrierung(points, stage, meter.DacReferenz)) {
        if (w.outOfTolerance)
            message(QStringLiteral("Analog Offset außerhalb Toleranz"),
                    QStringLiteral("Fehler bei DAC Abgleich"), Buttons::Ok, Symbol::Information);
        setStatus(QString::fromUtf8(w.status) + QString::number(w.value));
        const QByteArray frame = request::writeWord(w.index, w.value);
        applyWrite(steps.asked, frame);
        const QString step = QLatin1String(w.label) + QLatin1Char(' ') + stageMark(stage);
        if (!taken(exchangeLogged(frame, w.label), step, steps)) return false;
    }
    setStatus(QStringLiteral("Alte Konfiguration zurückschreiben"));
    return taken(exchangeLogged(request::writeConfig(kept), "CONFIG"), QStringLiteral("CONFIG"),
                 steps);
}

// The default reference levels, the store and the restart, with the error
// queries between them.
bool Session::storeCalibration(Steps& steps) {
    for (const Reference& r : defaultReferences()) {
        setStatus(QString::fromUtf8(r.text));
        if (!absoluteWrite(byteOrder::float32(r.level), r.address, "WRITE F ADD.", steps))
            return false;
    }
    setStatus(QStringLiteral("Fehler abfragen"));
    readError();
    setStatus(QStringLiteral("Daten werden in EEProm gebrannt"));
    if (!taken(exchangeLogged(request::store(), "SAVE EEPROM"), QStringLiteral("SAVE EEPROM"),
               steps))
        return false;
    setStatus(QStringLiteral("Fehler abfragen"));
    readError();
    setStatus(QStringLiteral("System Reset"));
    link_.send(request::coldStartReset());
    return true;
}

// The steps the meter refused, then each value it holds otherwise than asked.
QStringList Session::calibrationDifferences(const Steps& steps) const {
    QStringList lines;
    for (const QString& step : steps.refused)
        lines << linkTexts::refusedStep(language, step);
    return lines + imageDifferences(language,
                                    imageFields::calibration() + imageFields::configurationBytes(),
                                    steps.asked, linkState.EEPromInhalt.mid(1));
}

// One request per byte, byte i to address a + i. A byte the meter refuses
// leaves the rest of the value unsent.
bool Session::absoluteWrite(const QByteArray& bytes, int address, const char* label, Steps& steps) {
    steps.asked.replace(address, bytes.size(), bytes);
    const QString step = QStringLiteral("%1 %2").arg(QLatin1String(label)).arg(address);
    for (int i = 0; i < bytes.size(); ++i) {
        const Reply r =
            exchangeLogged(request::eepromByte(quint8(bytes[i]), quint16(address + i)), label);
        if (!taken(r, step, steps)) return false;
        if (!r.acknowledged()) break;
    }
    return true;
}

// The request, sent again while the meter rejects it (within the link's
// bound), with its answer logged.
Reply Session::exchangeLogged(const QByteArray& frame, const char* label) {
    const Reply r = link_.exchangeRepeated(frame, Repeat::WhileRejected);
    log(AntwortText(QLatin1String(label), r.bytes));
    return r;
}

// A refusal is noted and the sequence goes on; false when the meter no
// longer answers, which is reported and ends it.
bool Session::taken(const Reply& r, const QString& step, Steps& steps) {
    if (r.kind == ReplyKind::Rejected) steps.refused << step;
    if (r.kind == ReplyKind::Acknowledged || r.kind == ReplyKind::Rejected) return true;
    if (r.kind != ReplyKind::Cancelled) brokenLink();
    return false;
}

void Session::log(const QString& line) {
    rs232Log_ << line;
    display.setItems(QStringLiteral("lst_rs232"), rs232Log_);
}
