#include "config/damping.h"
#include "config/language.h"
#include "device/numbers.h"
#include "session/refusal_texts.h"
#include "session/session.h"
#include "session/show_values.h"

namespace {

constexpr int OverviewPage = 0;
constexpr int AnalogPage = 1;
constexpr int DigitalPage = 2;

QString deviceDataCaption(Language s, const QString& fileName) {
    return choose(s, QStringLiteral("Neue Gerätedaten von Datei   "),
                  QStringLiteral("New data from file   "),
                  QStringLiteral("Nouvelles données du fichier   ")) +
           fileName;
}

}  // namespace

void Session::showDeviceData() {
    state.deviceDataShown = true;
    refreshControls();
}

void Session::deviceDataButton(DeviceDataButton b) {
    state.deviceDataShown = false;
    refreshControls();
    switch (b) {
        case DeviceDataButton::Write:
            setWaitCursor(true);
            display.setSelection(QStringLiteral("regkor2"), OverviewPage);
            KonfigurationSchreiben();
            setWaitCursor(false);
            break;
        case DeviceDataButton::SaveFile:
            display.setSelection(QStringLiteral("regkor2"), OverviewPage);
            saveConfigAs();
            break;
        case DeviceDataButton::Read:
            display.setSelection(QStringLiteral("regkor2"), OverviewPage);
            edit.chkKonfAnalog = {};
            edit.optDigital = -1;
            refreshControls();
            readMeterAgain();
            break;
        case DeviceDataButton::Analog:
            display.setSelection(QStringLiteral("regkor2"), AnalogPage);
            break;
        case DeviceDataButton::Digital:
            display.setSelection(QStringLiteral("regkor2"), DigitalPage);
            break;
        case DeviceDataButton::Cancel:
            discardEdit();
            break;
    }
}

void Session::discardEdit() {
    edit.chkKonfAnalog = {};
    leaveOverflow();
    edit.optDigital = -1;
    display.setSelection(QStringLiteral("regkor2"), OverviewPage);
    refreshControls();
}

void Session::readMeterAgain() {
    if (busy() || !linkState.Verbunden) return;
    Operation operation(*this);
    if (EEPromLesen()) decodeAndShow();
}

// The loaded or factory configuration in the editors and the device data
// window, beside the meter's current one.
void Session::applyConfiguration() {
    ::WerteAnzeigen(meter, settings.unit, edit, language, display, Columns::NewOnly);
    display.put(boxName(Box::MEW), Aspect::Text, boxForm(meter.MEW));
    display.put(boxName(Box::Schleich), Aspect::Text, boxForm(meter.Schleichmenge));
    showDamping(edit.Daempfungszeit, edit.FilterfaktorNeu);
    display.setText(QStringLiteral("frmND"), deviceDataCaption(language, state.configFileName));
    showDeviceData();
}

void Session::loadConfigAs() {
    const QString chosen = askFile(FileQuestion::Open, QStringLiteral("Konfigurationsdatei laden"));
    if (chosen.isEmpty()) return;
    state.configFileName = chosen;
    const configFile::ReadResult r = configFile::read(chosen);
    if (!r.error.isEmpty()) {
        fileError(r.error, r.errorNumber);
        return;
    }
    if (const Refusal refused = loadConfig(r.values); refused.refused) {
        message(refusalTexts::inFile(language, chosen, refused), refusalTexts::fileTitle(language),
                Buttons::Ok, Symbol::Critical);
        return;
    }
    applyConfiguration();
}

bool Session::factorySettings() {
    const ConfigFile c = configFile::factory(settings.unit.Umrechnungsfaktor);
    // The factory range limit is the factory full scale.
    const float mog = meter.MOG;
    meter.MOG = c.MEW;
    if (const Refusal refused = loadConfig(c); refused.refused) {
        meter.MOG = mog;
        refuseWrite(refused);
        return false;
    }
    meter.Filterfaktor = configFile::FactoryFilterfaktor;
    applyConfiguration();
    return true;
}
