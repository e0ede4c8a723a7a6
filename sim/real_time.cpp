#include "sim/real_time.h"

#include <cmath>

RealTime::RealTime() {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { runDue(); });
}

double RealTime::now() const {
    return double(clock_.nsecsElapsed()) / 1e9;
}

void RealTime::schedule(double when, std::function<void()> task) {
    agenda_.emplace(std::make_pair(when, sequence_++), std::move(task));
    arm();
}

void RealTime::runDue() {
    // Timers count whole milliseconds; an event less than half of one away is due now.
    while (!agenda_.empty() && agenda_.begin()->first.first <= now() + Tolerance) {
        auto task = std::move(agenda_.begin()->second);
        agenda_.erase(agenda_.begin());
        task();
    }
    arm();
}

void RealTime::arm() {
    if (agenda_.empty()) {
        timer_.stop();
        return;
    }
    const double rest = agenda_.begin()->first.first - now();
    timer_.start(rest <= Tolerance ? 0 : int(std::lround(rest * 1000.0)));
}
