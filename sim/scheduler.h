#pragma once

#include <functional>

// Time as the simulated meter sees it: virtual in tests, real for the
// pseudo-terminal server.
class Scheduler {
public:
    virtual ~Scheduler() = default;
    virtual double jetzt() const = 0;
    // Runs `aufgabe` once the time `zeitpunkt` (seconds) has come.
    virtual void um(double zeitpunkt, std::function<void()> aufgabe) = 0;
};
