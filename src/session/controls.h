#pragma once

#include <QString>
#include <QVector>
#include <array>

#include "config/analog_edit.h"
#include "config/digital_edit.h"
#include "session/live_state.h"
#include "session/session_state.h"

// The password frame shown: the service page's prompt, or the change dialog.
enum class PasswordFrame { None, Service, Change };

// The core's state with what each feature reports of its own.
struct ControlInputs : SessionState {
    bool deviceDataShown = false;
    bool pointsChanged = false;
    bool loggingDialogShown = false;
    bool countsWindowShown = false;
    PasswordFrame passwordFrame = PasswordFrame::None;
    bool passwordChecking = true;  // the frame asks for the password, rather than saving one
    bool serviceOpen = false;      // the service page shows its data
    bool serviceUnlocked = false;  // the service password was accepted
    std::array<bool, AnalogEdit::Options> analogTicked{};  // the analog options to write
    int digitalChosen = -1;  // the digital output kind to write, -1 none

    // Edited values wait to be written.
    bool pending() const {
        for (bool ticked : analogTicked)
            if (ticked) return true;
        return digitalChosen >= 0;
    }
};

// Whether a control is usable, shown, or (an option) ticked.
struct ControlSetting {
    enum Kind { Enabled, Visible, Checked };
    QString name;
    Kind kind;
    bool on;
};

// The one rule for which menus, tabs, buttons, frames and editor inputs are
// usable and shown in a given state of the session and its features.
QVector<ControlSetting> controlState(const ControlInputs& s, const LiveValues& l = LiveValues());
