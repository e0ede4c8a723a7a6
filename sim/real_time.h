#pragma once

#include <cstdint>
#include <map>

#include "link/system_timer.h"
#include "sim/scheduler.h"

// Real time for the pseudo-terminal server: one system timer armed for the
// next due event. A timer of whole milliseconds would send the meter's bytes
// up to half a millisecond early or late, half a byte's time at 9600 baud,
// and the meter would seem slower or faster than its wire.
class RealTime : public Scheduler {
public:
    RealTime();
    double now() const override;
    void schedule(double when, std::function<void()> task) override;

private:
    // Events closer together than this run in one go.
    static constexpr double Tolerance = 0.00002;

    void runDue();
    void arm();

    double origin_;
    SystemTimer timer_;
    std::uint64_t sequence_ = 0;
    std::map<std::pair<double, std::uint64_t>, std::function<void()>> agenda_;
};
