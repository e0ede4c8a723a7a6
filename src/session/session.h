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
#include "session/status_line.h"

// How a write ended: the meter holds what was asked; nothing was sent; the
// meter stopped answering; or it answers but holds something else.
enum class WriteResult { Written, Refused, Failed, Differs };

// The core of one run of the tool, without its window: it owns the port, the
// link, the clock's timers, the meter record, the settings, texts, language
// and unit; it checks the connection, polls, and runs every sequence that
// talks to the meter as one operation at a time (`Operation`). What the window
// should show it publishes in `display`, what happens in `events`. The
// features build on it; it knows none of them.
class Session {
public:
    // `systemPorts` lists the machine's serial devices.
    Session(Port& port, Clock& clock, Dialogs& dialogs, const QString& programFolder = QString(),
            std::function<QStringList()> systemPorts = {});
    ~Session();

    LinkState linkState;
    SessionState state;
    MeterParameters meter;  // as read, with what the editors change in place
    Settings settings;
    Texte texts;
    Language language = Language::Unknown;
    LiveValues live;
    Einheitentabelle units;
    DisplayModel display;
    CoreEvents events;
    Progress progress;  // of the long operation running, in the status bar

    // What it owns; the window's own timers run on its clock too.
    Port& port() { return port_; }
    QVector<NumberedPort>& ports() { return ports_; }
    Link& link() { return link_; }
    const Link& link() const { return link_; }
    Clock& clock() { return clock_; }
    Timer& TimCheckVerb() { return *timCheckVerb_; }
    Timer& TimCounts() { return *timCounts_; }
    Timer& TimStatus() { return *timStatus_; }
    Dialogs& dialogs() { return dialogs_; }
    const QString& folder() const { return folder_; }
    QString file(const QString& name) const;  // in the program folder
    // An exchange with the meter is running; nothing may start another.
    bool busy() const { return state.operations > 0; }
    bool ending() const { return linkState.cancelled; }

    // The window load (settings, port list, port, units and language), the
    // connection check a second later, the task frames and the end.
    void load();
    void HardwareTest();
    void connectMeter();
    void reportOpenFailure(const OpenResult& r);
    void openTask(Task t);
    void closeTask();
    void endProgram();

    // Checks the connection, cold-starts the meter when needed, reads and
    // shows its EEPROM and starts the polling.
    void PruefeVerbindung();
    bool EEPromLesen();  // true when EEPromInhalt holds a complete image read by this call
    void decodeAndShow();
    void readMeterAgain();
    bool readAfterRestart();  // waits for the meter after a restart and reads it again
    // Fast mode: asks for the restarting meter until it answers, bounded.
    bool awaitRestart();
    // The seconds the connection check takes to read a meter that is there.
    double readBackSeconds() const;
    void readError();
    void setCountsTimer(bool on);
    // The meter's table as last read, beside the one being edited.
    const MeterParameters& meterAsRead() const { return meterAsRead_; }

    // Writes: each request sent again as `repeat` says (Cancel in the message
    // of a meter that never answers ends the program); ParameterSenden while
    // the meter rejects it, true on its acknowledgement.
    Reply sendRepeated(const QByteArray& frame, Repeat repeat, bool discard = false);
    bool ParameterSenden(const QByteArray& frame);
    void brokenLink();  // with the message that the meter does not answer
    // The snapshot before a write; false, reported, when it cannot be kept.
    // A sequence of writes keeps one snapshot for all of them.
    bool keepSnapshot(const char* operation);
    void keepOneSnapshot(bool on) { snapshotKept_ = on; }
    QString snapshotFolder() const;  // the connected meter's, under the program folder
    void refuseWrite(const Refusal& r);
    // Ends a write whose meter was read back, given each asked-for value it
    // does not hold: the success text only when there is none, otherwise the
    // list in the status bar and a message (kept in state.writeDifferences).
    WriteResult verdict(const QStringList& differences);
    // What was edited is given up: the editors hear of it, the controls follow.
    void discardEdits();

    // The display: the configuration (a failure is reported; showValues
    // returns it), the unit, the hints, the controls and the messages.
    void WerteAnzeigen();
    QString showValues(Columns columns);
    void EinheitenAnzeigen();
    void showUnitLists(const QStringList& entries);
    void showHint(hintTexts::Area area, int index = -1);
    void refreshControls();
    Answer message(const QString& text, const QString& title, Buttons buttons, Symbol icon);
    // The status line, said again in the new language after a switch.
    void setStatus(StatusText text);
    void setStatus(const QString& text) { setStatus(StatusText::fixed(text)); }
    void focus(const QString& box) { display.put(box, Aspect::Focus, true); }
    void setWaitCursor(bool on);

    // The tool's own files: settings, language texts and units; a file that
    // cannot be written keeps the old one; a failure of a file handler is
    // shown with its description and number.
    static constexpr int FileAccessError = 75;
    void writeSettings();
    void setLanguage(Language s);
    void loadUnits(const QString& path);
    void notWritten(const QString& path);
    void fileError(const QString& description, int number);

private:
    // A Cancel in a link message ends the program; the result says so.
    bool cancelledBy(Answer a);
    void runtimeError(const QString& description, const QString& procedure);
    void setLamp(Color c);
    void showProgress(const ProgressState& p);

    // Reactions to the replies of the counted exchanges.
    void rejected();
    void brokenLink(const QString& text, const QString& title);
    bool readEeprom();
    bool rereadEeprom(Reply r);
    void imageRefused();
    Reply aligned(Reply r);
    void countsReply(const Reply& r);
    void countsAcknowledged(quint8 high, quint8 low);
    void shortReply();

    // Steps of the connection check, the live-value cycle and the load.
    bool connectionTest();
    void coldStart();
    bool waitForFirstByte();
    void waitForCounts();
    void awaitFirstReply();
    bool keepFirstImage();
    void initialised();
    void finishStartUp();
    void withoutMeter();
    void timCountsTick();
    void timStatusTick();
    void StatusAbfragen();
    void pauseLiveValues();
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
    std::unique_ptr<Timer> timCheckVerb_, timStatus_, timCounts_;
    MeterParameters meterAsRead_;
    bool snapshotKept_ = false;  // a restore keeps one snapshot for its writes
    StatusText status_ = StatusText::fixed(QString());
};
