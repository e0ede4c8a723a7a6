#pragma once

#include <functional>
#include <memory>

// Which window events a wait lets through.
enum class Events {
    All,         // the window reacts to the user meanwhile
    DisplayOnly  // the window repaints and timers run, but user input waits
};

// A window timer: while switched on it calls its handler every interval;
// switching it on again restarts the interval.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setIntervalMs(int ms) = 0;
    virtual void on() = 0;
    virtual void off() = 0;
    virtual bool active() const = 0;
    virtual int intervalMs() const = 0;
};

// Every wait, time-out and window timer goes through a clock: real monotonic
// time in production, virtual time in tests so long waits cost nothing.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds on a monotonic scale with an arbitrary origin.
    virtual double now() const = 0;

    // Blocks until `done` holds or the deadline has passed, without spinning;
    // returns the last value of `done`. The condition is checked again
    // whenever data may have arrived (see `wake`).
    virtual bool waitUntil(double deadline, const std::function<bool()>& done, Events e) = 0;

    // Tells a waiting caller to check its condition again (new port data).
    virtual void wake() = 0;

    virtual std::unique_ptr<Timer> timer(std::function<void()> handler) = 0;
};
