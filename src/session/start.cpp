#include <QDir>
#include <QFile>

#include "config/saved_file.h"
#include "files/language_file.h"
#include "session/info_texts.h"
#include "session/session.h"
#include "session/show_values.h"

namespace {

constexpr const char* LanguageMarker = "Q_orbis.SPR";

}  // namespace

void Session::load() {
    // The pages are locked before the window shows page 2, which stays chosen.
    refreshControls();
    display.setSelection(QStringLiteral("regkor2"), 2);
    for (const char* name : {"raKonfAnaNeu", "raKonfDigiNeu"})
        display.setVisible(QLatin1String(name), false);
    state.PortOk = true;
    settings = settingsFile::read(file(QLatin1String(settingsFile::FileName)));
    language = languageFromName(settings.Language);
    HardwareTest();
    choosePortAtStart();
    loadUnits(file(QLatin1String(Einheitentabelle::FileName)));
    if (state.PortOk)
        state.Startphase = true;
    else
        setStatus(infoTexts::choosePortText(language));
    state.languageChosen = languageFileChosen();
    refreshControls();
    if (state.languageChosen) {
        setLanguage(language);
        if (state.PortOk && !ending()) timCheckVerb_->on();
    }
    display.setVisible(QStringLiteral("chkKonfAnalog_5"), false);
}

void Session::choosePortAtStart() {
    if (settings.PortNumber == 0) {
        display.setSelection(QStringLiteral("regkor2"), 0);
        openTask(Task::Port);
        timCheckVerb_->off();
        setCountsTimer(false);
        port_.closePort();
        state.PortOk = false;
        return;
    }
    port_.setCommPort(QString::number(settings.PortName.mid(3).toInt()));
    if (!port_.openPort().ok()) {
        settings.PortNumber = 0;
        writeSettings();
        state.PortOk = false;
    }
}

bool Session::languageFileChosen() const {
    return !QDir(folder_)
                .entryList({QStringLiteral("*.spr"), QStringLiteral("*.SPR")}, QDir::Files)
                .isEmpty();
}

void Session::writeSettings() {
    const QString path = file(QLatin1String(settingsFile::FileName));
    if (!settingsFile::write(path, settings)) notWritten(path);
}

void Session::notWritten(const QString& path) {
    fileError(QStringLiteral("%1 konnte nicht geschrieben werden").arg(path), FileAccessError);
}

void Session::setLanguage(Language s) {
    language = s;
    settings.Language = languageName(s);
    if (!TexteLaden(file(textFileName(s)), texts) &&
        cancelledBy(
            message(textFileError(s), textFileErrorTitle(s), Buttons::OkCancel, Symbol::Warning)))
        return;
    display.setText(QStringLiteral("frmkor2"), infoTexts::mainWindowTitle(s, settings.PortNumber));
    if (languageChanged_) languageChanged_(s);
    showOverflowTexts(meter.Ueberlauf == 1, s, display);
}

void Session::chooseFirstLanguage(Language s) {
    state.languageChosen = true;
    refreshControls();
    setLanguage(s);
    if (ending()) return;
    const infoTexts::Message info = infoTexts::firstStart(s);
    message(info.text, info.title, Buttons::Ok, Symbol::Information);
    writeSettings();
    const QString markerPath = file(QLatin1String(LanguageMarker));
    QString error;
    if (!saveWhole(markerPath, languageName(s).toLatin1() + "\r\n", error)) notWritten(markerPath);
    // Without an open port the check could only report a meter that is not there.
    if (state.PortOk) timCheckVerb_->on();
}

void Session::chooseLanguage(Language s) {
    setLanguage(s);
    if (ending()) return;
    // The words of the configuration follow the language once there is one to show.
    if (linkState.Verbunden) WerteAnzeigen();
    writeSettings();
    closeTask();
}

void Session::showOverflow() {
    showOverflowState(meter, language, display);
}
