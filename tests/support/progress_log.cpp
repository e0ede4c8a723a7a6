#include "support/progress_log.h"

#include <algorithm>

namespace {

// One operation's states while it ran.
QString runFault(const QVector<ProgressState>& run, int plannedSeconds) {
    if (run.size() < 2) return QStringLiteral("%1 progress states").arg(run.size());
    if (plannedSeconds >= 0 && run.first().secondsLeft != plannedSeconds)
        return QStringLiteral("began at %1 s").arg(run.first().secondsLeft);
    if (std::none_of(run.begin(), run.end(), [](const auto& p) { return p.restarting; }))
        return QStringLiteral("no restart shown");
    for (int i = 1; i < run.size(); ++i)
        if (run[i].percent < run[i - 1].percent || run[i].secondsLeft > run[i - 1].secondsLeft)
            return QStringLiteral("went back at state %1").arg(i);
    if (run.last().secondsLeft > 1)
        return QStringLiteral("ended %1 s early").arg(run.last().secondsLeft);
    return QString();
}

}  // namespace

QString ProgressLog::fault(int plannedSeconds) const {
    if (states.isEmpty() || states.last().running) return QStringLiteral("did not end");
    if (restartsShownAsLost > 0) return QStringLiteral("a restart pictured as a lost link");
    int begin = 0;
    for (int end = 0; end < states.size(); ++end) {
        if (states[end].running) continue;
        const QString f = runFault(states.mid(begin, end - begin), plannedSeconds);
        if (!f.isEmpty()) return f;
        begin = end + 1;
    }
    return QString();
}
