#pragma once

#include <QString>
#include <QVector>

#include "session/session.h"

// The progress a session publishes during operations, and whether each was
// honest: it began at the planned seconds, only went forward, held while the
// meter restarted (the connection picture saying so), came down to about
// nothing and then went away.
struct ProgressLog {
    explicit ProgressLog(Session& s) {
        s.events.onProgress([this, &s](const ProgressState& p) {
            states << p;
            const DisplayModel& d = s.display;
            if (p.restarting && (!d.visible(QStringLiteral("Picrestart")) ||
                                 d.visible(QStringLiteral("Picdisconnect"))))
                ++restartsShownAsLost;
        });
    }
    // The first fault found, or the empty text; any start when not planned.
    QString fault(int plannedSeconds = -1) const;

    QVector<ProgressState> states;
    int restartsShownAsLost = 0;  // states where the connection picture did not say "restarting"
};
