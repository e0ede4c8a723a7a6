#include <QDateTime>
#include <QDir>
#include <QLocale>

#include "device/numbers.h"
#include "files/log_record.h"
#include "session/session.h"
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

void Session::startLoggingFromMenu() {
    if (message(utf8(WarningText), QStringLiteral("Information zu Datenspeicherung"),
                Buttons::YesNo, Symbol::Information) == Answer::Yes)
        openLoggingDialog();
}

void Session::openLoggingDialog() {
    LoggingState& g = logging;
    if (g.MdPfad.isEmpty()) g.MdPfad = QDir::homePath();
    display.setText(QStringLiteral("frmMdSave.lblMdPfad"), g.MdPfad);
    if (g.MdInterval == 0) setInterval(1.0);
    display.put(QStringLiteral("frmMdSave.txtInterval"), Aspect::Text, boxForm(g.MdInterval));
    display.put(QStringLiteral("frmMdSave.chkMdSave"), Aspect::Value, g.MdAktiv);
    if (g.MdAktiv)
        display.put(QStringLiteral("frmMdSave.txtDateiname"), Aspect::Text, g.MdDateiname);
    state.loggingDialogShown = true;
    refreshControls();
    focus(QStringLiteral("frmMdSave.txtDateiname"));
}

void Session::closeLoggingDialog() {
    state.loggingDialogShown = false;
    refreshControls();
}

// A folder chosen while recording takes effect at the next file switch.
void Session::chooseLogFolder(const QString& path) {
    logging.MdPfad = path;
    display.setText(QStringLiteral("frmMdSave.lblMdPfad"), path);
    if (display.get(QStringLiteral("frmMdSave.chkMdSave"), Aspect::Value).toBool() &&
        logging.MdDateiname.isEmpty()) {
        message(QStringLiteral("Kein Dateiname angegeben !"),
                QStringLiteral("Fehler bei Eingabe Dateiname"), Buttons::Ok, Symbol::Critical);
        return stopLogging();
    }
    moveLog();
}

QString Session::logNameTyped(QString text) {
    if (text.size() > MaxNameLength) {
        message(QStringLiteral("Länge des Dateinamens nicht mehr als 256 Zeichen !"),
                QStringLiteral("Fehler Eingabe Dateiname"), Buttons::Ok, Symbol::Critical);
        text.chop(text.size() - MaxNameLength);
    } else if (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(','))) {
        message(QStringLiteral("Keine Punkte oder Kommas !"), QStringLiteral("Unzulässige Eingabe"),
                Buttons::Ok, Symbol::Critical);
        text.chop(1);
    }
    logging.MdDateiname = text;
    display.put(QStringLiteral("frmMdSave.txtDateiname"), Aspect::Text, text);
    moveLog();
    return text;
}

// While recording, the folder and name shown are where the next file goes;
// a name being retyped keeps the one last given.
void Session::moveLog() {
    if (!logging.MdAktiv || logging.MdDateiname.isEmpty()) return;
    log_.moveTo(logging.MdPfad, logging.MdDateiname);
    showLogFile();
}

// A typed interval outside what the buttons reach is not used; one above
// the maximum is refused at once, one below the minimum when recording is
// switched on, since more digits may still follow ("0" on the way to "0.5").
QString Session::logIntervalTyped(QString text) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    display.put(QStringLiteral("frmMdSave.txtInterval"), Aspect::Text, text);
    const double v = leadingNumber(text);
    if (v > MaxInterval)
        intervalLimitMessage(true);
    else if (v >= MinInterval)
        setInterval(v);
    return text;
}

void Session::stepInterval(bool up) {
    double v = roundHalfEven(logging.MdInterval + (up ? IntervalStep : -IntervalStep), 1);
    if (v > MaxInterval || v < MinInterval) {
        v = up ? MaxInterval : MinInterval;
        intervalLimitMessage(up);
    }
    setInterval(v);
    display.put(QStringLiteral("frmMdSave.txtInterval"), Aspect::Text, boxForm(v));
}

void Session::intervalLimitMessage(bool upper) {
    message(upper ? QStringLiteral("Größtmögliches Speicherinterval = 60 sec")
                  : QStringLiteral("Kleinstmögliches Speicherinterval = 0,1 sec"),
            QStringLiteral("Info zur Speicherzeit"), Buttons::Ok, Symbol::Information);
}

void Session::setInterval(double seconds) {
    logging.MdInterval = float(seconds);
    timMdsave_->setIntervalMs(int(std::lround(seconds * 1000)));
}

void Session::switchLogging(bool on) {
    if (!on) return stopLogging();
    const QString tick = QStringLiteral("frmMdSave.chkMdSave");
    if (logging.MdDateiname.isEmpty() ||
        display.text(QStringLiteral("frmMdSave.txtInterval")).isEmpty()) {
        const bool name = logging.MdDateiname.isEmpty();
        message(name ? QStringLiteral("Kein Dateiname angegeben !")
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
    link_.Warten(ShowCheckNotice);
    display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), false);
    logging.MdAktiv = true;
    display.put(tick, Aspect::Value, true);
    display.setBackground(QStringLiteral("shpMdSave"), RecordA);
    timMdsave_->on();
    announceRecording(startTexts::recordingTo(language, log_.MdDatei()));
    if (state.linkDown) recordingInterrupted();
}

void Session::stopLogging() {
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
void Session::timMdsaveTick() {
    if (logging.interrupted) return reconnectForRecording();
    const bool first = display.background(QStringLiteral("shpMdSave")) == RecordA;
    display.setBackground(QStringLiteral("shpMdSave"), first ? RecordB : RecordA);
    const QString record = recordText(QDateTime::currentDateTime(), logging.MdInterval,
                                      live.Messwert, settings.unit.Einheit, QLocale());
    const QString before = log_.MdDatei();
    const MeasurementLog::Result r = log_.append(record);
    if (r != MeasurementLog::Result::Ok) {
        stopLogging();
        return logFailure(r);
    }
    display.setText(QStringLiteral("frmMdSave.lblSaetze"), QString::number(log_.MdSaetze()));
    showLogFile();
    if (log_.MdDatei() != before)
        announceRecording(startTexts::recordingTo(language, log_.MdDatei()));
}

void Session::recordingInterrupted() {
    if (!logging.MdAktiv || logging.interrupted) return;
    logging.interrupted = true;
    logging.lastReconnect = clock_.now();
    const QString note = startTexts::recordingInterrupted(language, log_.MdDatei());
    display.setBackground(QStringLiteral("shpMdSave"), Idle);
    display.setText(QStringLiteral("frmMdSave.lblDateipruefen"), note);
    display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), true);
    setStatus(note);
    announceRecording(note);
}

void Session::recordingResumed() {
    if (!logging.interrupted) return;
    logging.interrupted = false;
    display.setVisible(QStringLiteral("frmMdSave.lblDateipruefen"), false);
    display.setBackground(QStringLiteral("shpMdSave"), RecordA);
    setStatus(startTexts::recordingResumed(language, log_.MdDatei()));
    announceRecording(startTexts::recordingTo(language, log_.MdDatei()));
}

void Session::announceRecording(const QString& note) {
    if (loggingChanged_) loggingChanged_(note);
}

void Session::reconnectForRecording() {
    if (!logging.reconnect || busy() || clock_.now() - logging.lastReconnect < ReconnectEvery)
        return;
    logging.lastReconnect = clock_.now();
    connectMeter();
}

// The file being written: its name beside the folder shown, its whole path
// while another folder is chosen for the next file.
void Session::showLogFile() {
    display.setText(QStringLiteral("frmMdSave.lblDateiname"),
                    log_.MdPfad() == logging.MdPfad ? log_.MdDateiname() + log_.MdEndung()
                                                    : QDir::toNativeSeparators(log_.MdDatei()));
}

// The numbers of a name used up, or a file that cannot be written: the
// recording stops with the message, the program and the files stay.
void Session::logFailure(MeasurementLog::Result r) {
    if (r == MeasurementLog::Result::Exhausted)
        message(QStringLiteral("Dateiname ist mit 999 Dateien erschöpft ! Bitte einen anderen "
                               "Namen wählen oder Dateien löschen."),
                QStringLiteral("999 Dateien mit gleichem Namen"), Buttons::Ok, Symbol::Critical);
    else
        message(log_.error(), QStringLiteral("Fehler bei Datenspeicherung"), Buttons::Ok,
                Symbol::Critical);
}
