#include "features/language_choice.h"

#include "config/saved_file.h"
#include "session/info_texts.h"

namespace {

// Written once the first language was chosen; its presence skips the choice at start.
constexpr const char* LanguageMarker = "Q_orbis.SPR";

}  // namespace

LanguageChoice::LanguageChoice(Session& core) : core_(core) {}

void LanguageChoice::chooseFirstLanguage(Language s) {
    core_.state.languageChosen = true;
    core_.refreshControls();
    core_.setLanguage(s);
    if (core_.ending()) return;
    const infoTexts::Message info = infoTexts::firstStart(s);
    core_.message(info.text, info.title, Buttons::Ok, Symbol::Information);
    core_.writeSettings();
    const QString markerPath = core_.file(QLatin1String(LanguageMarker));
    QString error;
    if (!saveWhole(markerPath, languageName(s).toLatin1() + "\r\n", error))
        core_.notWritten(markerPath);
    // Without an open port the check could only report a meter that is not there.
    if (core_.state.PortOk) core_.TimCheckVerb().on();
}

void LanguageChoice::chooseLanguage(Language s) {
    core_.setLanguage(s);
    if (core_.ending()) return;
    // The words of the configuration follow the language once there is one to show.
    if (core_.linkState.Verbunden) core_.WerteAnzeigen();
    core_.writeSettings();
    core_.closeTask();
}

void LanguageChoice::openLanguageTask() {
    core_.openTask(Task::Language);
}
