#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "link/clock.h"
#include "sim/scheduler.h"

// Virtual time for tests: a wait jumps from one scheduled event to the next,
// so a 40-second wait costs no real time.
class VirtualClock : public Clock, public Scheduler {
public:
    double now() const override { return now_; }
    bool waitUntil(double deadline, const std::function<bool()>& done, Events e) override;
    void wake() override {}
    void schedule(double when, std::function<void()> task) override;
    std::unique_ptr<Timer> timer(std::function<void()> handler) override;

    // Lets `seconds` pass, running everything due meanwhile.
    void advance(double seconds);

private:
    double now_ = 0;
    std::uint64_t sequence_ = 0;
    std::map<std::pair<double, std::uint64_t>, std::function<void()>> agenda_;
};
