#include "device/dac_calibration.h"
#include "device/device_errors.h"
#include "device/number_format.h"
#include "link/byte_order.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/link_messages.h"
#include "session/session.h"

using namespace dacCalibration;

namespace {

constexpr double StageAnnouncement = 2.0;

}  // namespace

// Resets both output stages to the default calibration points, sends the
// offsets and factors they give, writes the default reference levels, stores
// and restarts. Polling stays off until the technician connects again.
bool Session::calibrationReset() {
    if (busy() || !linkState.Verbunden) return false;
    Operation operation(*this);
    setCountsTimer(false);
    rs232Log_.clear();
    display.setItems(QStringLiteral("lst_rs232"), rs232Log_);
    link_.discardInput();
    if (!resetStage(Stage::Current) || !resetStage(Stage::Voltage)) return false;
    for (const Reference& r : defaultReferences()) {
        setStatus(QString::fromUtf8(r.text));
        if (!absoluteWrite(byteOrder::float32(r.level), r.address, "WRITE F ADD.")) return false;
    }
    setStatus(QStringLiteral("Fehler abfragen"));
    readError();
    setStatus(QStringLiteral("Daten werden in EEProm gebrannt"));
    if (!logged(request::store(), "SAVE EEPROM")) return false;
    setStatus(QStringLiteral("Fehler abfragen"));
    readError();
    setStatus(QStringLiteral("System Reset"));
    link_.send(request::coldStartReset());
    return true;
}

bool Session::resetStage(Stage stage) {
    setStatus(stage == Stage::Current ? QStringLiteral("Stromabgleich DEFAULT durchführen")
                                      : QStringLiteral("Spannungsabgleich DEFAULT durchführen"));
    link_.Warten(StageAnnouncement);
    const Reply config = link_.exchangeFixed(request::readConfig());
    log(AntwortText(QStringLiteral("CONFIG"), config.bytes));
    const QByteArray kept = config.bytes.mid(protocol::ConfigReplyLength - protocol::ConfigBytes);
    if (config.kind != ReplyKind::Acknowledged || kept.size() != protocol::ConfigBytes) {
        brokenLink();  // without the bytes to restore, nothing may be changed
        return false;
    }
    setStatus(QStringLiteral("Bit Schalter 1 setzen"));
    const auto& points = defaultPoints(stage);
    for (const Point& p : points) {
        setStatus(QString::number(p.counts) + QString::fromUtf8(p.countsText));
        if (!absoluteWrite(byteOrder::word16(quint16(p.counts)), p.countsAddress, "WRITE I ADD."))
            return false;
        setStatus(numberFormat::shortest(p.level) + QString::fromUtf8(p.levelText));
        if (!absoluteWrite(byteOrder::float32(p.level), p.levelAddress, "WRITE F ADD."))
            return false;
    }
    for (const Word& w : DacKalibrierung(points, stage, meter.DacReferenz)) {
        if (w.outOfTolerance)
            message(QStringLiteral("Analog Offset außerhalb Toleranz"),
                    QStringLiteral("Fehler bei DAC Abgleich"), Buttons::Ok, Symbol::Information);
        setStatus(QString::fromUtf8(w.status) + QString::number(w.value));
        if (!logged(request::writeWord(w.index, w.value), w.label)) return false;
    }
    setStatus(QStringLiteral("Alte Konfiguration zurückschreiben"));
    return logged(request::writeConfig(kept), "CONFIG");
}

// One request per byte, byte i to address a + i, each sent again until the
// meter takes it (within the link's bound).
bool Session::absoluteWrite(const QByteArray& bytes, int address, const char* label) {
    for (int i = 0; i < bytes.size(); ++i) {
        const Reply r = sendRepeated(request::eepromByte(quint8(bytes[i]), quint16(address + i)),
                                     Repeat::UntilAcknowledged);
        log(AntwortText(QLatin1String(label), r.bytes));
        if (!r.acknowledged()) return false;
    }
    return true;
}

// A request with the fixed pause; a meter that refuses it or no longer
// answers ends the sequence.
bool Session::logged(const QByteArray& frame, const char* label) {
    const Reply r = link_.exchangeFixed(frame);
    log(AntwortText(QLatin1String(label), r.bytes));
    if (r.kind == ReplyKind::Acknowledged) return true;
    if (r.kind == ReplyKind::Rejected)
        message(linkTexts::refusedStep(language, QLatin1String(label)),
                linkTexts::criticalError(language), Buttons::Ok, Symbol::Critical);
    else if (r.kind != ReplyKind::Cancelled)
        brokenLink();
    return false;
}

void Session::log(const QString& line) {
    rs232Log_ << line;
    display.setItems(QStringLiteral("lst_rs232"), rs232Log_);
}
