#include "link/steady_clock.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>

namespace {

class QtTimer : public Timer {
public:
    explicit QtTimer(std::function<void()> handler) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, std::move(handler));
    }
    void setIntervalMs(int ms) override { timer_.setInterval(ms); }
    void on() override { timer_.start(); }
    void off() override { timer_.stop(); }
    bool active() const override { return timer_.isActive(); }
    int intervalMs() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

}  // namespace

SteadyClock::SteadyClock() {
    clock_.start();
}

std::unique_ptr<Timer> SteadyClock::timer(std::function<void()> handler) {
    return std::make_unique<QtTimer>(std::move(handler));
}

double SteadyClock::now() const {
    return double(clock_.nsecsElapsed()) / 1e9;
}

bool SteadyClock::waitUntil(double deadline, const std::function<bool()>& done, Events e) {
    const auto flags =
        e == Events::All ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    if (done()) return true;
    for (;;) {
        const double rest = deadline - now();
        if (rest <= 0) return done();
        if (sleep(rest, done, flags)) return true;
    }
}

// Until `seconds` have passed or a wake finds `done` met; true in the latter
// case, so the condition need not be asked again. The loop ends on a flag
// rather than by quitting an event loop: a quit wakes the dispatcher through
// the system once more for every reply, while the flag is seen as soon as
// the event that set it has been handled.
bool SteadyClock::sleep(double seconds, const std::function<bool()>& done,
                        QEventLoop::ProcessEventsFlags f) {
    bool over = false;
    bool met = false;
    QTimer deadlineTimer;
    deadlineTimer.setSingleShot(true);
    deadlineTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadlineTimer, &QTimer::timeout, [&over] { over = true; });
    deadlineTimer.start(int(std::ceil(seconds * 1000.0)));
    waiting_.append({&over, &met, &done});
    while (!over)
        QCoreApplication::processEvents(f | QEventLoop::WaitForMoreEvents);
    waiting_.removeLast();
    return met;
}

// Every wait looks at its own condition, the outer ones of nested waits too:
// an outer wait whose condition is met ends as soon as the inner ones have.
// A copy is walked, as a condition may read the port and so wake again.
void SteadyClock::wake() {
    const QVector<Waiting> waiting = waiting_;
    for (const Waiting& w : waiting)
        if (!*w.over && (*w.done)()) *w.over = *w.met = true;
}
