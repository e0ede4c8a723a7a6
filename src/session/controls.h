#pragma once

#include <QString>
#include <QVector>

#include "session/session_state.h"

// Whether a control is usable or shown.
struct ControlSetting {
    enum Kind { Enabled, Visible };
    QString name;
    Kind kind;
    bool on;
};

// The one rule for which menus, tabs, buttons and frames are usable and
// shown in a given state of the session.
QVector<ControlSetting> controlState(const SessionState& s);
