#pragma once

#include <functional>
#include <memory>

#include "link/clock.h"

// Where a long operation stands: the share done and the seconds left.
struct ProgressState {
    bool running = false;
    bool restarting = false;  // the meter restarts; nobody knows for how long
    int percent = 0;
    int secondsLeft = 0;

    bool operator==(const ProgressState& o) const {
        return running == o.running && restarting == o.restarting && percent == o.percent &&
               secondsLeft == o.secondsLeft;
    }
};

// The progress of a long operation for the status bar and the command line.
// The operation names the seconds its waits take when it begins, as they
// are fixed before the first request, and the share done follows the clock.
// A restarting meter has no known length: meanwhile the progress says so and
// stops counting. An operation begun inside another counts with the outer one.
class Progress {
public:
    Progress(Clock& clock, std::function<void(const ProgressState&)> publish);
    void begin(double plannedSeconds);
    void setRestarting(bool on);
    void end();
    const ProgressState& state() const { return state_; }

private:
    void update(bool always);

    Clock& clock_;
    std::function<void(const ProgressState&)> publish_;
    std::unique_ptr<Timer> ticker_;
    ProgressState state_;
    double planned_ = 0;
    double counted_ = 0;  // seconds done before `since_`
    double since_ = 0;
    int depth_ = 0;
};

// Begins an operation's progress and ends it however the operation ends.
class ProgressScope {
public:
    ProgressScope(Progress& p, double plannedSeconds) : p_(p) { p_.begin(plannedSeconds); }
    ~ProgressScope() { p_.end(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    Progress& p_;
};
