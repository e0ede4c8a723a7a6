#include "support/progress_log.h"

#include <algorithm>

QString ProgressLog::fault(int plannedSeconds) const {
    if (states.size() < 3) return QStringLiteral("%1 progress states").arg(states.size());
    if (states.first().secondsLeft != plannedSeconds)
        return QStringLiteral("began at %1 s").arg(states.first().secondsLeft);
    if (std::none_of(states.begin(), states.end(), [](const auto& p) { return p.restarting; }))
        return QStringLiteral("no restart shown");
    for (int i = 1; i + 1 < states.size(); ++i)
        if (!states[i].running || states[i].percent < states[i - 1].percent ||
            states[i].secondsLeft > states[i - 1].secondsLeft)
            return QStringLiteral("went back at state %1").arg(i);
    if (states[states.size() - 2].secondsLeft > 1)
        return QStringLiteral("ended %1 s early").arg(states[states.size() - 2].secondsLeft);
    return states.last().running ? QStringLiteral("did not end") : QString();
}
