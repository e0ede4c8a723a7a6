#include "ui/paint_pacer.h"

#include <QSet>
#include <algorithm>
#include <utility>

PaintPacer::PaintPacer(Clock& clock, Render render)
    : render_(std::move(render)), timer_(clock.timer([this] { paintWaiting(); })) {
    timer_->setIntervalMs(IntervalMs);
}

// The readings' texts, colours and gauges, which change with every reading.
bool PaintPacer::isLive(const QString& name, Aspect aspect) {
    static const QSet<QString> readings = {QStringLiteral("lblAktMW"),
                                           QStringLiteral("lblAktMW1"),
                                           QStringLiteral("lblANAOUT"),
                                           QStringLiteral("lblANAOUT1"),
                                           QStringLiteral("AnzAnalog"),
                                           QStringLiteral("AnzSignal"),
                                           QStringLiteral("frmCounts.lblCountsanf"),
                                           QStringLiteral("frmCounts.AnzeigeAnzW")};
    const bool changesWithReadings =
        aspect == Aspect::Text || aspect == Aspect::Background || aspect == Aspect::Value;
    return changesWithReadings && readings.contains(name);
}

void PaintPacer::publish(const QString& name, Aspect aspect, const QVariant& value) {
    if (!isLive(name, aspect)) {
        paintWaitingOf(name);
        render_(name, aspect, value);
        return;
    }
    for (Waiting& w : waiting_) {
        if (w.aspect == aspect && w.name == name) {
            w.value = value;
            return;
        }
    }
    waiting_.append({name, aspect, value});
    // Switching on again would restart the interval and could put the paint off for good.
    if (!timer_->active()) timer_->on();
}

// The timer runs while values keep coming and stops at the first interval without any.
void PaintPacer::paintWaiting() {
    if (waiting_.isEmpty()) {
        timer_->off();
        return;
    }
    const QList<Waiting> due = std::exchange(waiting_, {});
    for (const Waiting& w : due)
        render_(w.name, w.aspect, w.value);
}

// Taken out first: a control that is painted may make the session publish again.
void PaintPacer::paintWaitingOf(const QString& name) {
    const auto forIt = [&name](const Waiting& w) { return w.name == name; };
    if (std::none_of(waiting_.cbegin(), waiting_.cend(), forIt)) return;
    QList<Waiting> due, rest;
    for (Waiting& w : waiting_)
        (forIt(w) ? due : rest).append(std::move(w));
    waiting_ = std::move(rest);
    for (const Waiting& w : due)
        render_(w.name, w.aspect, w.value);
}
