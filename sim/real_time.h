#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <map>

#include "sim/scheduler.h"

// Real time for the pseudo-terminal server: one precise timer armed for the
// next due event.
class RealTime : public Scheduler {
public:
    RealTime();
    double now() const override;
    void schedule(double when, std::function<void()> task) override;

private:
    static constexpr double Tolerance = 0.0005;

    void runDue();
    void arm();

    QElapsedTimer clock_;
    QTimer timer_;
    std::uint64_t sequence_ = 0;
    std::map<std::pair<double, std::uint64_t>, std::function<void()>> agenda_;
};
