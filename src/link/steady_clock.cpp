#include "link/steady_clock.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

class PreciseTimer : public Timer {
public:
    explicit PreciseTimer(std::function<void()> handler) : timer_(std::move(handler)) {}
    // As with Qt's timers, a new interval restarts a running timer.
    void setIntervalMs(int ms) override {
        intervalMs_ = ms;
        if (active()) on();
    }
    // A period of zero would make the timer expire once only.
    void on() override { timer_.expireEvery(std::max(intervalMs_, 1) / 1000.0); }
    void off() override { timer_.stop(); }
    bool active() const override { return timer_.armed(); }
    int intervalMs() const override { return intervalMs_; }

private:
    SystemTimer timer_;
    int intervalMs_ = 0;
};

}  // namespace

SteadyClock::SteadyClock() : origin_(SystemTimer::now()), deadline_([] {}) {}

std::unique_ptr<Timer> SteadyClock::timer(std::function<void()> handler) {
    return std::make_unique<PreciseTimer>(std::move(handler));
}

double SteadyClock::now() const {
    return SystemTimer::now() - origin_;
}

// Handles events until the deadline or until a wake finds `done` met. The
// loop ends on a flag rather than by quitting an event loop: a quit wakes
// the dispatcher through the system once more for every reply, while the
// flag is seen as soon as the event that set it has been handled. The one
// deadline timer is armed for the innermost wait; when that wait ends, the
// enclosing one's deadline is armed again.
bool SteadyClock::waitUntil(double deadline, const std::function<bool()>& done, Events e) {
    const auto flags =
        e == Events::All ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    if (done()) return true;
    bool met = false;
    waiting_.append({deadline, &met, &done});
    deadline_.expireAt(origin_ + deadline);
    while (!met && now() < deadline) {
        // Rounding may let the timer expire a few nanoseconds early.
        if (!deadline_.armed()) deadline_.expireAt(origin_ + deadline);
        QCoreApplication::processEvents(flags | QEventLoop::WaitForMoreEvents);
    }
    waiting_.removeLast();
    if (!waiting_.isEmpty())
        deadline_.expireAt(origin_ + waiting_.last().deadline);
    else if (deadline_.armed())
        deadline_.stop();
    return met || done();
}

// Every wait looks at its own condition, the outer ones of nested waits too:
// an outer wait whose condition is met ends as soon as the inner ones have.
// A copy is walked, as a condition may read the port and so wake again.
void SteadyClock::wake() {
    const QVector<Waiting> waiting = waiting_;
    for (const Waiting& w : waiting)
        if (!*w.met && (*w.done)()) *w.met = true;
}
