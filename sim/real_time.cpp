#include "sim/real_time.h"

RealTime::RealTime() : origin_(SystemTimer::now()), timer_([this] { runDue(); }) {}

double RealTime::now() const {
    return SystemTimer::now() - origin_;
}

void RealTime::schedule(double when, std::function<void()> task) {
    const auto added = agenda_.emplace(std::make_pair(when, sequence_++), std::move(task)).first;
    if (added == agenda_.begin()) arm();
}

void RealTime::runDue() {
    while (!agenda_.empty() && agenda_.begin()->first.first <= now() + Tolerance) {
        auto task = std::move(agenda_.begin()->second);
        agenda_.erase(agenda_.begin());
        task();
    }
    arm();
}

void RealTime::arm() {
    if (agenda_.empty())
        timer_.stop();
    else
        timer_.expireAt(origin_ + agenda_.begin()->first.first);
}
