#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include "features/features.h"
#include "session/session.h"
#include "sim/images.h"
#include "sim/sim_port.h"
#include "sim/virtual_clock.h"
#include "support/scripted_dialogs.h"

// The session against the in-process simulated meter on virtual time, with
// scripted message boxes: port 1 open, kg/h, German, and text n of the
// language table reading "Text n", so a test can tell which text was shown.
struct Bench {
    explicit Bench(const QByteArray& eeprom = images::standard());

    QTemporaryDir folder;  // the program folder: settings, units, snapshots, password
    VirtualClock clock;
    Simulator sim;
    ScriptedDialogs dialogs;
    Session session;
    Features features{session};

    // Copies the shipped units file into the program folder and loads it.
    void loadShippedUnits();
    // Runs the start-up as the one-shot timer does and returns when it is done.
    void start();
    // The frames the meter received, without their times.
    QVector<QByteArray> frames() const;
    // Seconds between the frames the meter received.
    QVector<double> gaps() const;
    // The frames sent since frame `from`, by their first two bytes in hex ("0B 00").
    QStringList commands(int from = 0) const;
    // What the window would show under a control's name.
    QString shown(const QString& name) const { return session.display.text(name); }
    // Changes what the analog editor holds, as its inputs would.
    void editAnalog(const std::function<void(AnalogEdit&)>& change) {
        AnalogEdit e = features.analog.edit();
        change(e);
        features.analog.take(e);
        session.refreshControls();
    }
    // The analog or digital editor holds something to write.
    bool editsPending() const {
        return EditState{features.analog.edit(), features.digital.edit()}.pending();
    }
};

// Bytes from a hex text such as "0B 00 0B".
QByteArray hex(const char* text);
// The EEPROM reply as the meter sends it: DLE and the image.
QByteArray replyWith(const QByteArray& eeprom);
// The standard meter with its output calibration erased: the trim words and
// DAC points, and with `references` the reference levels too.
QByteArray uncalibrated(bool references = true);
