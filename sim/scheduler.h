#pragma once

#include <functional>

// Time as the simulated meter sees it: virtual in tests, real for the
// pseudo-terminal server.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    virtual double now() const = 0;
    // Runs `task` once the time `when` (seconds) has come.
    virtual void schedule(double when, std::function<void()> task) = 0;
};
