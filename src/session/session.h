#pragma once

#include <QVector>
#include <functional>
#include <memory>

#include "config/einheitentabelle.h"
#include "config/language.h"
#include "config/texts.h"
#include "config/write_check.h"
#include "device/meter_parameters.h"
#include "files/settings_file.h"
#include "link/clock.h"
#include "link/link.h"
#include "link/port.h"
#include "session/controls.h"
#include "session/core_events.h"
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
    CoreEvents events;

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

    // What was edited is given up: the editors hear of it, the controls follow.
    void discardEdits();

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
    void brokenLink();  // with the message that the meter does not answer

private:

    // A Cancel in a link message ends the program; the result says so.
    bool cancelledBy(Answer a);
    void runtimeError(const QString& description, const QString& procedure);
    void setLamp(Color c);

    // Reactions to the replies of the counted exchanges.
    void rejected();
    void brokenLink(const QString& text, const QString& title);
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

    Port& port_;
    Clock& clock_;
    Dialogs& dialogs_;
    QString folder_;
    std::function<QStringList()> systemPorts_;
    QVector<NumberedPort> ports_;
    Link link_;
    std::unique_ptr<Timer> timCheckVerb_;
    std::unique_ptr<Timer> timStatus_;
    std::unique_ptr<Timer> timCounts_;
    MeterParameters meterAsRead_;
    bool snapshotKept_ = false;  // a restore keeps one snapshot for its writes
};
