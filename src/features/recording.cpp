#include <QDateTime>
#include <QDir>
#include <QLocale>

#include "device/numbers.h"
#include "features/recording.h"
#include "files/log_record.h"
#include "session/status_texts.h"

namespace {

constexpr int MaxNameLength = 256;
constexpr double MinInterval = 0.1, MaxInterval = 60.0, IntervalStep = 0.1;
constexpr double ShowCheckNotice = 1.0;
constexpr double ReconnectEvery = 5.0;
// Indicator colours: idle grey; recording alternates cyan and blue with each record.
constexpr Color Idle = 0xC0C0C0, RecordA = 0x00FFFF, RecordB = 0x0000FF;

const char* const WarningText =
    "Warnung! Der Datentransfer über die serielle Schnittstelle ist nicht mit einem "
    "Übertragungsprotokoll abgesichert, d.h. zufällige oder systematische Übertragungsfehler "
    "werden nicht erkannt und beeinflussen das Meßergebnis. Die so gewonnenen Daten dürfen nicht "
    "für sicherheitsrelevante Vorgänge herangezogen werden. Wollen Sie den Datentransfer "
    "trotzdem aktivieren?";

QString utf8(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Recording::Recording(Session& core)
    : core_(core),
      display(core.display),
      timMdsave_(core.clock().timer([this] { timMdsaveTick(); })) {
    core.events.onReading([this] { recordingResumed(); });
    core.events.onReadingsLost([this] { recordingInterrupted(); });
    core.events.onEnd([this] {
        timMdsave_->off();
        log_.stop();  // every record written so far is on disk already
    });
    core.events.addControls([this](ControlInputs& in) { in.loggingDialogShown = dialogShown_; });
}

void Recording::startLoggingFromMenu() {
    if (core_.message(utf8(WarningText), QStringLiteral("Information zu Datenspeicherung"),
                      Buttons::YesNo, Symbol::Information) == Answer::Yes)
        openLoggingDialog();
}

void Recording::openLoggingDialog() {
    LoggingState& g = logging;
    if (g.MdPfad.isEmpty()) g.MdPfad = QDir::homePath();
    display.setText(QStringLiteral("frmMdSave.lblMdPfad"), g.MdPfad);
    if (g.MdInterval == 0) setInterval(1.0);
    display.put(QStringLiteral("frmMdSave.txtInterval"), Aspect::Text, boxForm(g.MdInterval));
    display.put(QStringLiteral("frmMdSave.chkMdSave"), Aspect::Value, g.MdAktiv);
    if (g.MdAktiv)
        display.put(QStringLiteral("frmMdSave.txtDateiname"), Aspect::Text, g.MdDateiname);
    dialogShown_ = true;
    core_.refreshControls();
    core_.focus(QStringLiteral("frmMdSave.txtDateiname"));
}

void Recording::closeLoggingDialog() {
    dialogShown_ = false;
    core_.refreshControls();
}

// A folder chosen while recording takes effect at the next file switch.
void Recording::chooseLogFolder(const QString& path) {
    logging.MdPfad = path;
    display.setText(QStringLiteral("frmMdSave.lblMdPfad"), path);
    if (display.get(QStringLiteral("frmMdSave.chkMdSave"), Aspect::Value).toBool() &&
        logging.MdDateiname.isEmpty()) {
        core_.message(QStringLiteral("Kein Dateiname angegeben !"),
                      QStringLiteral("Fehler bei Eingabe Dateiname"), Buttons::Ok,
                      Symbol::Critical);
        return stopLogging();
    }
    moveLog();
}

QString Recording::logNameTyped(QString text) {
    if (text.size() > MaxNameLength) {
        core_.message(QStringLiteral("Länge des Dateinamens nicht mehr als 256 Zeichen !"),
                      QStringLiteral("Fehler Eingabe Dateiname"), Buttons::Ok, Symbol::Critical);
        text.chop(text.size() - MaxNameLength);
    } else if (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(','))) {
        core_.message(QStringLiteral("Keine Punkte oder Kommas !"),
                      QStringLiteral("Unzulässige Eingabe"), Buttons::Ok, Symbol::Critical);
        text.chop(1);
    }
    logging.MdDateiname = text;
    display.put(QStringLiteral("frmMdSave.txtDateiname"), Aspect::Text, text);
    moveLog();
    return text;
}

// While recording, the folder and name shown are where the next file goes;
// a name being retyped keeps the one last given.
void Recording::moveLog() {
    if (!logging.MdAktiv || logging.MdDateiname.isEmpty()) return;
    log_.moveTo(logging.MdPfad, logging.MdDateiname);
    showLogFile();
}

// A typed interval outside what the buttons reach is not used; one above
// the maximum is refused at once, one below the minimum when recording is
// switched on, since more digits may still follow ("0" on the way to "0.5").
QString Recording::logIntervalTyped(QString text) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    display.put(QStringLiteral("frmMdSave.txtInterval"), Aspect::Text, text);
    const double v = leadingNumber(text);
    if (v > MaxInterval)
        intervalLimitMessage(true);
    else if (v >= MinInterval)
        setInterval(v);
    return text;
}

void Recording::stepInterval(bool up) {
    double v = roundHalfEven(logging.MdInterval + (up ? IntervalStep : -IntervalStep), 1);
    if (v > MaxInterval || v < MinInterval) {
        v = up ? MaxInterval : MinInterval;
        intervalLimitMessage(up);
    }
    setInterval(v);
    display.put(QStringLiteral("frmMdSave.txtInterval"), Aspect::Text, boxForm(v));
}

void Recording::intervalLimitMessage(bool upper) {
    core_.message(upper ? QStringLiteral("Größtmögliches Speicherinterval = 60 sec")
                        : QStringLiteral("Kleinstmögliches Speicherinterval = 0,1 sec"),
                  QStringLiteral("Info zur Speicherzeit"), Buttons::Ok, Symbol::Information);
}

void Recording::setInterval(double seconds) {
    logging.MdInterval = float(seconds);
    timMdsave_->setIntervalMs(int(std::lround(seconds * 1000)));
}

void Recording::switchLogging(bool on) {
    if (!on) return stopLogging();
    const QString tick = QStringLiteral("frmMdSave.chkMdSave");
    if (logging.MdDateiname.isEmpty() ||
        display.text(QStringLiteral("frmMdSave.txtInterval")).isEmpty()) {
        const bool name = logging.MdDateiname.isEmpty();
        core_.message(name ? QStringLiteral("Kein Dateiname angegeben !")
                           : QStringLiteral("Kein Speicherinterval angegeben !"),
                      name ? QStringLiteral("Fehler bei Eingabe Dateiname")
                           : QStringLiteral("Fehler bei Eingabe Speicherinterval"),
                      Buttons::Ok, Symbol::Critical);
        display.put(tick, Aspect::Value, false);
        return;
    }
    if (logging.MdAktiv) return;
    const double typed = leadingNumber(display.text(QStringLiteral("frmMdSave.txtInterval")));
    if (typed < MinInterval || typed > MaxInterval) {
        intervalLimitMessage(typed > MaxInterval);
        display.put(tick, Aspect::Value, false);
        return;
    }
    display.setText(QStringLiteral("frmMdSave.lblDateipruefen"),
                    QStringLiteral("Bitte warten ! Dateien >> ") + logging.MdDateiname +
                        QStringLiteral(" << werden auf maximale Datensätze überprüft."));
    display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), true);
    const MeasurementLog::Result r = log_.start(logging.MdPfad, logging.MdDateiname);
    if (r != MeasurementLog::Result::Ok) {
        display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), false);
        display.put(tick, Aspect::Value, false);
        return logFailure(r);
    }
    showLogFile();
    core_.link().Warten(ShowCheckNotice);
    display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), false);
    logging.MdAktiv = true;
    display.put(tick, Aspect::Value, true);
    display.setBackground(QStringLiteral("shpMdSave"), RecordA);
    timMdsave_->on();
    announceRecording(startTexts::recordingTo(core_.language, log_.MdDatei()));
    if (core_.state.linkDown) recordingInterrupted();
}

void Recording::stopLogging() {
    timMdsave_->off();
    log_.stop();
    logging.MdAktiv = false;
    logging.interrupted = false;
    display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), false);
    display.put(QStringLiteral("frmMdSave.chkMdSave"), Aspect::Value, false);
    display.setBackground(QStringLiteral("shpMdSave"), Idle);
    announceRecording(QString());
}

// One record of the last measured value; the logger never asks the meter.
void Recording::timMdsaveTick() {
    if (logging.interrupted) return reconnectForRecording();
    const bool first = display.background(QStringLiteral("shpMdSave")) == RecordA;
    display.setBackground(QStringLiteral("shpMdSave"), first ? RecordB : RecordA);
    const QString record = recordText(QDateTime::currentDateTime(), logging.MdInterval,
                                      core_.live.Messwert, core_.settings.unit.Einheit, QLocale());
    const QString before = log_.MdDatei();
    const MeasurementLog::Result r = log_.append(record);
    if (r != MeasurementLog::Result::Ok) {
        stopLogging();
        return logFailure(r);
    }
    display.setText(QStringLiteral("frmMdSave.lblSaetze"), QString::number(log_.MdSaetze()));
    showLogFile();
    if (log_.MdDatei() != before)
        announceRecording(startTexts::recordingTo(core_.language, log_.MdDatei()));
}

void Recording::recordingInterrupted() {
    if (!logging.MdAktiv || logging.interrupted) return;
    logging.interrupted = true;
    logging.lastReconnect = core_.clock().now();
    const QString note = startTexts::recordingInterrupted(core_.language, log_.MdDatei());
    display.setBackground(QStringLiteral("shpMdSave"), Idle);
    display.setText(QStringLiteral("frmMdSave.lblDateipruefen"), note);
    display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), true);
    core_.setStatus({[file = log_.MdDatei()](Language s) {
        return startTexts::recordingInterrupted(s, file);
    }});
    announceRecording(note);
}

void Recording::recordingResumed() {
    if (!logging.interrupted) return;
    logging.interrupted = false;
    display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), false);
    display.setBackground(QStringLiteral("shpMdSave"), RecordA);
    core_.setStatus(
        {[file = log_.MdDatei()](Language s) { return startTexts::recordingResumed(s, file); }});
    announceRecording(startTexts::recordingTo(core_.language, log_.MdDatei()));
}

void Recording::announceRecording(const QString& note) {
    if (loggingChanged_) loggingChanged_(note);
}

void Recording::reconnectForRecording() {
    if (!logging.reconnect || core_.busy() ||
        core_.clock().now() - logging.lastReconnect < ReconnectEvery)
        return;
    logging.lastReconnect = core_.clock().now();
    core_.connectMeter();
}

// The file being written: its name beside the folder shown, its whole path
// while another folder is chosen for the next file.
void Recording::showLogFile() {
    display.setText(QStringLiteral("frmMdSave.lblDateiname"),
                    log_.MdPfad() == logging.MdPfad ? log_.MdDateiname() + log_.MdEndung()
                                                    : QDir::toNativeSeparators(log_.MdDatei()));
}

// The numbers of a name used up, or a file that cannot be written: the
// recording stops with the message, the program and the files stay.
void Recording::logFailure(MeasurementLog::Result r) {
    if (r == MeasurementLog::Result::Exhausted)
        core_.message(
            QStringLiteral("Dateiname ist mit 999 Dateien erschöpft ! Bitte einen anderen "
                           "Namen wählen oder Dateien löschen."),
            QStringLiteral("999 Dateien mit gleichem Namen"), Buttons::Ok, Symbol::Critical);
    else
        core_.message(log_.error(), QStringLiteral("Fehler bei Datenspeicherung"), Buttons::Ok,
                      Symbol::Critical);
}
