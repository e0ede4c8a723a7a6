#include <QDir>
#include <QFile>

#include "config/saved_file.h"
#include "files/language_file.h"
#include "session/info_texts.h"
#include "session/session.h"
#include "session/show_values.h"

void Session::load() {
    // The pages are locked before the window shows the digital page, which stays chosen.
    refreshControls();
    display.setSelection(QStringLiteral("regkor2"), page::Digital);
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
        setStatus(askingTexts::choosePort());
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
        display.setSelection(QStringLiteral("regkor2"), page::Overview);
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
    events.languageChanged(s);
    setStatus(status_);
    showOverflowTexts(meter.Ueberlauf == 1, s, display);
}

void Session::showOverflow() {
    showOverflowState(meter, language, display);
}
