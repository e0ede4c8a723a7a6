#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

#include "link/clock.h"
#include "session/display_model.h"

// Passes what the session publishes on to the window, with the live values
// held back to one paint every IntervalMs: the meter is read about 50 times a
// second, faster than an eye follows, and painting each reading would cost
// the window more than the polling itself. Of a live value only the latest is
// painted. Every other change is painted at once, after what still waits for
// the same control, so no control shows its changes out of order.
class PaintPacer {
public:
    using Render = std::function<void(const QString& name, Aspect aspect, const QVariant& value)>;

    static constexpr int IntervalMs = 100;

    PaintPacer(Clock& clock, Render render);

    void publish(const QString& name, Aspect aspect, const QVariant& value);

private:
    struct Waiting {
        QString name;
        Aspect aspect;
        QVariant value;
    };
    static bool isLive(const QString& name, Aspect aspect);
    void paintWaiting();
    void paintWaitingOf(const QString& name);

    Render render_;
    QList<Waiting> waiting_;
    std::unique_ptr<Timer> timer_;
};
