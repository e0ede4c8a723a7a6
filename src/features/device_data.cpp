#include "features/device_data.h"
#include "config/damping.h"
#include "config/language.h"
#include "device/numbers.h"
#include "session/refusal_texts.h"
#include "session/show_values.h"

namespace {

QString deviceDataCaption(Language s, const QString& fileName) {
    return choose(s, QStringLiteral("Neue Gerätedaten von Datei   "),
                  QStringLiteral("New data from file   "),
                  QStringLiteral("Nouvelles données du fichier   ")) +
           fileName;
}

}  // namespace

DeviceData::DeviceData(Session& core, AnalogEditor& analog, DigitalEditor& digital,
                       ConfigurationWrite& write)
    : core_(core), analog_(analog), digital_(digital), write_(write) {
    core.events.addControls([this](ControlInputs& in) { in.deviceDataShown = shown_; });
}

void DeviceData::showDeviceData() {
    shown_ = true;
    core_.refreshControls();
}

void DeviceData::deviceDataButton(Button b) {
    shown_ = false;
    core_.refreshControls();
    switch (b) {
        case Button::Write:
            core_.setWaitCursor(true);
            core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
            write_.KonfigurationSchreiben();
            core_.setWaitCursor(false);
            break;
        case Button::SaveFile:
            core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
            saveConfigAs();
            break;
        case Button::Read:
            core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
            core_.discardEdits();
            core_.readMeterAgain();
            break;
        case Button::Analog:
            core_.display.setSelection(QStringLiteral("regkor2"), page::Analog);
            break;
        case Button::Digital:
            core_.display.setSelection(QStringLiteral("regkor2"), page::Digital);
            break;
        case Button::Cancel:
            discardEdit();
            break;
    }
}

void DeviceData::discardEdit() {
    analog_.leaveOverflow();
    core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
    core_.discardEdits();
}

// The loaded or factory configuration in the editors and the device data
// window, beside the meter's current one.
void DeviceData::applyConfiguration() {
    core_.showValues(Columns::NewOnly);
    analog_.showTaken();
    core_.display.setText(QStringLiteral("frmND"),
                          deviceDataCaption(core_.language, core_.state.configFileName));
    showDeviceData();
}

void DeviceData::loadConfigAs() {
    const QString chosen = askFile(FileQuestion::Open, QStringLiteral("Konfigurationsdatei laden"));
    if (chosen.isEmpty()) return;
    core_.state.configFileName = chosen;
    const configFile::ReadResult r = configFile::read(chosen);
    if (!r.error.isEmpty()) {
        core_.fileError(r.error, r.errorNumber);
        return;
    }
    if (const Refusal refused = loadConfig(r.values); refused.refused) {
        core_.message(refusalTexts::inFile(core_.language, chosen, refused),
                      refusalTexts::fileTitle(core_.language), Buttons::Ok, Symbol::Critical);
        return;
    }
    applyConfiguration();
}

bool DeviceData::factorySettings() {
    const ConfigFile c = configFile::factory(core_.settings.unit.Umrechnungsfaktor);
    // The factory range limit is the factory full scale.
    const float mog = core_.meter.MOG;
    core_.meter.MOG = c.MEW;
    if (const Refusal refused = loadConfig(c); refused.refused) {
        core_.meter.MOG = mog;
        core_.refuseWrite(refused);
        return false;
    }
    core_.meter.Filterfaktor = configFile::FactoryFilterfaktor;
    applyConfiguration();
    return true;
}
