#pragma once

#include <QString>
#include <QStringList>

// The frames that take the place of the live values while the technician
// works in them.
enum class Task { None, Port, Language, Units, UnitAdd, UnitDelete };

// The pages of regkor2, as SessionState::tab numbers them.
namespace page {
constexpr int Overview = 0, Analog = 1, Digital = 2, Service = 3;
}

// What the session knows about itself beyond the link: the flags that decide
// which controls are usable and shown.
struct SessionState {
    bool PortOk = false;      // the configured port is open
    bool Startphase = false;  // from opening the port until the first start-up finished
    int Initialisierung = 0;  // 1 while the meter is waited for
    int operations = 0;       // device operations running; only one may
    bool languageChosen = false;
    bool checked = false;      // a connection check ended, with or without a meter
    bool meterRead = false;    // a start-up read and showed the meter
    bool stepFailed = false;   // a start-up step failed unexpectedly
    bool linkDown = false;     // the last check found no meter, or the link broke
    bool connected = false;    // the connect picture is shown
    bool restarting = false;   // the meter restarts as planned; the link is not lost
    bool liveShown = true;     // the bar gauge of the measured value
    bool currentShown = true;  // the frame of live values, unless a task frame covers it
    Task task = Task::None;
    QString configFileName;  // the configuration file saved, loaded or deleted last
    bool writing = false;    // a configuration write runs
    int imagesDecoded = 0;   // EEPROM images read and decoded since the start
    // After the last write: each value asked for that the meter read back does not hold.
    QStringList writeDifferences;
    QString lastSnapshot;  // the file of the snapshot kept before the last write
    int tab = 0;           // the page of regkor2 shown
    int Listensperre = 0;  // the list handlers do nothing while the lists are filled
};
