#pragma once

#include <QVector>
#include <functional>
#include <memory>
#include <vector>

#include "config/einheitentabelle.h"
#include "config/language.h"
#include "config/texts.h"
#include "config/units_file.h"
#include "config/write_check.h"
#include "device/dac_calibration.h"
#include "device/meter_parameters.h"
#include "files/config_file.h"
#include "files/measurement_log.h"
#include "files/settings_file.h"
#include "link/clock.h"
#include "link/link.h"
#include "link/port.h"
#include "session/controls.h"
#include "session/dialogs.h"
#include "session/display_model.h"
#include "session/hint_texts.h"
#include "session/live_state.h"
#include "session/port_list.h"
#include "session/session_state.h"
#include "session/show_values.h"

// How a write ended: the meter holds what was asked; nothing was sent; the
// meter stopped answering; or it answers but holds something else.
enum class WriteResult { Written, Refused, Failed, Differs };

// The core of one run of the tool, without its window: it owns the port, the
// link, the timers, the device record, the settings, the texts and the edit
// state, checks the connection, polls, and runs every sequence that talks to
// the meter as one operation at a time. What the window should show it
// publishes in `display`. The features build on it and hear of it through
// its listeners; it knows none of them.
class Session {
public:
    // `systemPorts` lists the machine's serial devices.
    Session(Port& port, Clock& clock, Dialogs& dialogs, const QString& programFolder = QString(),
            std::function<QStringList()> systemPorts = {});
    ~Session();

    LinkState linkState;
    SessionState state;
    MeterParameters meter;
    Settings settings;
    Texte texts;
    Language language = Language::Unknown;
    LiveValues live;
    Einheitentabelle units;
    DisplayModel display;

    Link& link() { return link_; }
    Clock& clock() { return clock_; }  // the window's own timers run on it too
    Timer& TimCheckVerb() { return *timCheckVerb_; }
    Timer& TimCounts() { return *timCounts_; }
    Timer& TimStatus() { return *timStatus_; }
    // An exchange with the meter is running; nothing may start another.
    bool busy() const { return state.operations > 0; }
    bool ending() const { return linkState.cancelled; }

    // The window load: settings, port list, port, units and language; then
    // the connection check a second later.
    void load();
    QString file(const QString& name) const;

    // Called after the texts of a new language were loaded, for the captions.
    void onLanguageChanged(std::function<void(Language)> f) { languageChanged_ = std::move(f); }

    // The port list read at load, and connecting to the meter on the chosen port.
    void HardwareTest();
    void connectMeter();
    void openTask(Task t);
    void closeTask();

    // Checks the connection, cold-starts the meter when needed, reads and
    // shows its EEPROM and starts the polling.
    void PruefeVerbindung();
    // True when EEPromInhalt holds a complete image read by this call.
    bool EEPromLesen();
    // A write sent again as `repeat` says; when the meter never gives the
    // answer waited for, the technician is told, and Cancel ends the program.
    Reply sendRepeated(const QByteArray& frame, Repeat repeat, bool discard = false);
    void readError();
    void loadUnits(const QString& path);
    // Shows the configuration in `meter`; a failure is reported as a runtime error.
    void WerteAnzeigen();
    // The same in the columns given; the result describes a value that could
    // not be shown (its labels are left empty).
    QString showValues(Columns columns);
    void EinheitenAnzeigen();
    void endProgram();
    // The status-bar hint over a control of the editors.
    void showHint(hintTexts::Area area, int index = -1);

    // Ends a write whose meter was read back, given each asked-for value the
    // meter does not hold (see startTexts::difference): the success text only
    // when there is none, otherwise the list in the status bar and a message;
    // state.writeDifferences keeps it for the command line.
    WriteResult verdict(const QStringList& differences);

    // The meter's table as last read, beside the one being edited.
    const MeterParameters& meterAsRead() const { return meterAsRead_; }

    // What the features and the window hear of the core: every measured value
    // polling shows (seconds on the clock, kg/h in the unit), a counts reply
    // read, the readings lost to a broken link, and the program ending.
    void onMeasurement(std::function<void(double, float)> f) { measured_.push_back(std::move(f)); }
    void onReading(std::function<void()> f) { reading_.push_back(std::move(f)); }
    void onReadingsLost(std::function<void()> f) { readingsLost_.push_back(std::move(f)); }
    void onEnd(std::function<void()> f) { ending_.push_back(std::move(f)); }
    // A meter image was read and decoded into `meter`.
    void onImageDecoded(std::function<void()> f) { imageDecoded_.push_back(std::move(f)); }
    // The configuration was shown, with the list entries it chose.
    void onValuesShown(std::function<void(const ShownChoices&)> f) {
        valuesShown_.push_back(std::move(f));
    }
    // What was edited is given up: written, read again or cancelled.
    void onEditsDiscarded(std::function<void()> f) { editsDiscarded_.push_back(std::move(f)); }
    void discardEdits();
    // A feature tells the control rule what it holds.
    void addControls(std::function<void(ControlInputs&)> f) { controls_.push_back(std::move(f)); }

    // The connected meter's folder of snapshots, under the program folder.
    QString snapshotFolder() const;

    // Publishes which controls are usable and shown after a change of state.
    void refreshControls();
    void setCountsTimer(bool on);

    // The snapshot before a write; false, reported, when it cannot be kept.
    // A sequence of writes keeps one snapshot for all of them.
    bool keepSnapshot(const char* operation);
    void keepOneSnapshot(bool on) { snapshotKept_ = on; }
    Dialogs& dialogs() { return dialogs_; }
    const QString& folder() const { return folder_; }

    // A message box of the tool.
    Answer message(const QString& text, const QString& title, Buttons buttons, Symbol icon);
    void setStatus(const QString& text) { display.setText(QStringLiteral("SB1_1"), text); }
    void focus(const QString& box) { display.put(box, Aspect::Focus, true); }

    // What the features use of the core.

    // The error number of a file that cannot be accessed.
    static constexpr int FileAccessError = 75;
    // Sequences of absolute writes (the calibration reset and a restore), with
    // the exchanges logged in lst_rs232: the image they ask the meter to hold,
    // and the steps it refused. A step returns false only when the meter no
    // longer answers.
    struct Steps {
        QByteArray asked;
        QStringList refused;
    };
    bool absoluteWrite(const QByteArray& bytes, int address, const char* label, Steps& steps);
    Reply exchangeLogged(const QByteArray& frame, const char* label);
    bool taken(const Reply& r, const QString& step, Steps& steps);
    void clearExchangeLog() { rs232Log_.clear(); }
    Port& port() { return port_; }
    QVector<NumberedPort>& ports() { return ports_; }

    // The settings file written; the texts of a language loaded and shown.
    void writeSettings();
    void setLanguage(Language s);
    // A file of the tool's own that could not be written; the old one stays.
    void notWritten(const QString& path);
    void reportOpenFailure(const OpenResult& r);
    // A failure of a file handler: its description and number.
    void fileError(const QString& description, int number);
    // The meter waited for after a restart and read again.
    bool readAfterRestart();
    void showUnitLists(const QStringList& entries);
    void decodeAndShow();
    void readMeterAgain();
    void refuseWrite(const Refusal& r);
    // One write, sent again while the meter rejects it (within the link's
    // bound); anything but an acknowledgement ends it.
    bool ParameterSenden(const QByteArray& frame);
    void setWaitCursor(bool on);

private:
    friend class Operation;

    // A Cancel in a link message ends the program; the result says so.
    bool cancelledBy(Answer a);
    void runtimeError(const QString& description, const QString& procedure);
    void setLamp(Color c);

    // Reactions to the replies of the counted exchanges.
    void rejected();
    void brokenLink(const QString& text, const QString& title);
    void brokenLink();  // with the message that the meter does not answer
    bool readEeprom();
    bool rereadEeprom(Reply r);
    void imageRefused();
    Reply aligned(Reply r);
    void countsReply(const Reply& r);
    void shortReply();

    // Steps of the connection check.
    bool connectionTest();
    void coldStart();
    bool waitForFirstByte();
    void initialised();
    void finishStartUp();
    void withoutMeter();

    // The live-value cycle.
    void timCountsTick();
    void timStatusTick();
    void StatusAbfragen();
    void pauseLiveValues();

    // Port and language handling of the load.
    void choosePortAtStart();
    bool languageFileChosen() const;
    void showOverflow();

    void readingsLost();

    void log(const QString& line);

    Port& port_;
    Clock& clock_;
    Dialogs& dialogs_;
    QString folder_;
    std::function<QStringList()> systemPorts_;
    std::function<void(Language)> languageChanged_;
    QVector<NumberedPort> ports_;
    Link link_;
    std::unique_ptr<Timer> timCheckVerb_;
    std::unique_ptr<Timer> timStatus_;
    std::unique_ptr<Timer> timCounts_;
    std::vector<std::function<void(double, float)>> measured_;
    std::vector<std::function<void()>> reading_, readingsLost_, ending_, imageDecoded_,
        editsDiscarded_;
    std::vector<std::function<void(const ShownChoices&)>> valuesShown_;
    std::vector<std::function<void(ControlInputs&)>> controls_;
    QStringList rs232Log_;
    MeterParameters meterAsRead_;
    bool snapshotKept_ = false;  // a restore keeps one snapshot for its writes
};

// Marks an exchange with the meter as running while it lives.
class Operation {
public:
    explicit Operation(Session& s) : s_(s) { ++s_.state.operations; }
    ~Operation() { --s_.state.operations; }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

private:
    Session& s_;
};
