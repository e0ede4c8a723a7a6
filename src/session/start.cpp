#include <QDir>
#include <QFile>

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
    settings = einstellungen::lesen(file(QLatin1String(einstellungen::Dateiname)));
    language = spracheAusName(settings.Sprache);
    HardwareTest();
    choosePortAtStart();
    loadUnits(file(QStringLiteral("UNIT.CON")));
    if (state.PortOk)
        state.Startphase = true;
    else
        setStatus(infotexte::schnittstelleWaehlen(language));
    state.languageChosen = languageFileChosen();
    refreshControls();
    if (state.languageChosen) {
        setLanguage(language);
        if (state.PortOk && !ending()) timCheckVerb_->an();
    }
    for (const char* name :
         {"chkKonfAnalog_6", "txtKonfMOG", "lblinfo_94", "lblKonfMOGAkt", "chkKonfAnalog_5"})
        display.setVisible(QLatin1String(name), false);
}

void Session::choosePortAtStart() {
    if (settings.Portnummer == 0) {
        display.setSelection(QStringLiteral("regkor2"), 0);
        openTask(Task::Port);
        timCheckVerb_->aus();
        setCountsTimer(false);
        port_.schliessen();
        state.PortOk = false;
        return;
    }
    port_.setCommPort(QString::number(settings.Portname.mid(3).toInt()));
    if (!port_.oeffnen().ok()) {
        settings.Portnummer = 0;
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
    einstellungen::schreiben(file(QLatin1String(einstellungen::Dateiname)), settings);
}

void Session::setLanguage(Sprache s) {
    language = s;
    settings.Sprache = sprachName(s);
    if (!TexteLaden(file(textdateiName(s)), texts) &&
        cancelledBy(message(textdateiFehler(s), textdateiFehlerTitel(s),
                            Schaltflaechen::OkAbbrechen, Symbol::Warnung)))
        return;
    display.setText(QStringLiteral("frmkor2"), infotexte::fenstertitel(s, settings.Portnummer));
    if (languageChanged_) languageChanged_(s);
    UeberlaufTexte(geraet.Ueberlauf == 1, s, display);
}

void Session::chooseFirstLanguage(Sprache s) {
    state.languageChosen = true;
    refreshControls();
    setLanguage(s);
    if (ending()) return;
    const infotexte::Meldung info = infotexte::erststart(s);
    message(info.text, info.titel, Schaltflaechen::Ok, Symbol::Information);
    writeSettings();
    QFile marker(file(QLatin1String(LanguageMarker)));
    if (marker.open(QIODevice::WriteOnly)) marker.write(sprachName(s).toLatin1() + "\r\n");
    // Without an open port the check could only report a meter that is not there.
    if (state.PortOk) timCheckVerb_->an();
}

void Session::chooseLanguage(Sprache s) {
    setLanguage(s);
    if (ending()) return;
    // The words of the configuration follow the language once there is one to show.
    if (linkState.Verbunden) WerteAnzeigen();
    writeSettings();
    closeTask();
}

void Session::showOverflow() {
    UeberlaufAnzeigen(geraet, language, display);
}
