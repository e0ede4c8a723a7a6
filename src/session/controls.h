#pragma once

#include <QString>
#include <QVector>

#include "config/edit_state.h"
#include "session/live_state.h"
#include "session/session_state.h"

// The core's state with what each feature reports of its own.
struct ControlInputs : SessionState {
    bool loggingDialogShown = false;
};

// Whether a control is usable, shown, or (an option) ticked.
struct ControlSetting {
    enum Kind { Enabled, Visible, Checked };
    QString name;
    Kind kind;
    bool on;
};

// The one rule for which menus, tabs, buttons, frames and editor inputs are
// usable and shown in a given state of the session and its edit.
QVector<ControlSetting> controlState(const ControlInputs& s, const EditState& e = EditState(),
                                     const LiveValues& l = LiveValues());
