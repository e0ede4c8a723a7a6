#pragma once

#include <QString>

#include "config/write_check.h"
#include "features/analog_editor.h"
#include "features/configuration_write.h"
#include "features/digital_editor.h"
#include "files/config_file.h"
#include "session/session.h"

// The device data window and the configuration files: what would be written
// shown before it is, saved to or loaded from a .use file, or replaced by the
// factory settings. Its buttons write, save, read again or go back to a page.
class DeviceData {
public:
    DeviceData(Session& core, AnalogEditor& analog, DigitalEditor& digital,
               ConfigurationWrite& write);

    // Configuration files. The configuration in hand: the meter's while one is
    // connected, otherwise the values prepared in the editors.
    ConfigFile currentConfig() const;
    // Writes it to `path`; a failure is reported, and the result says so.
    bool saveConfig(const QString& path);
    // Takes a configuration as the one to write: every value it holds is
    // marked for writing, the digital option that matches its output kind
    // chosen. A value equal to the meter's keeps the meter's exact setting.
    // A configuration the meter cannot take is refused as the write would
    // refuse it, and nothing changes.
    Refusal loadConfig(const ConfigFile& c);
    // The menu entries: ask for the file (and, to delete, for confirmation).
    void saveConfigAs();
    void deleteConfig();
    // The device data window: shown by the pages' OK, a load or the factory
    // settings; each of its buttons closes it first.
    void showDeviceData();
    enum class Button { Write, SaveFile, Read, Analog, Digital, Cancel };
    void deviceDataButton(Button b);
    bool shown() const { return shown_; }
    void loadConfigAs();
    // False when the meter cannot take them; the refusal is shown.
    bool factorySettings();

private:
    QString askFile(FileQuestion::Kind kind, const QString& title);
    void applyConfiguration();
    void discardEdit();

    Session& core_;
    AnalogEditor& analog_;
    DigitalEditor& digital_;
    ConfigurationWrite& write_;
    bool shown_ = false;
};
