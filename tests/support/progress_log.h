#pragma once

#include <QString>
#include <QVector>

#include "session/session.h"

// The progress a session publishes during an operation, and whether it was
// honest: it began at the planned seconds, only went forward, held while the
// meter restarted, came down to about nothing and then went away.
struct ProgressLog {
    explicit ProgressLog(Session& s) {
        s.events.onProgress([this](const ProgressState& p) { states << p; });
    }
    // The first fault found, or the empty text.
    QString fault(int plannedSeconds) const;

    QVector<ProgressState> states;
};
