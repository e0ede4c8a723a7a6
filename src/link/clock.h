#pragma once

#include <functional>
#include <memory>

// Which window events a wait lets through.
enum class Ereignisse {
    Alle,       // the window reacts to the user meanwhile
    NurAnzeige  // the window repaints and timers run, but user input waits
};

// A window timer: while switched on it calls its handler every interval;
// switching it on again restarts the interval.
class Zeitgeber {
public:
    virtual ~Zeitgeber() = default;
    virtual void setzeIntervall(int ms) = 0;
    virtual void an() = 0;
    virtual void aus() = 0;
    virtual bool aktiv() const = 0;
    virtual int intervall() const = 0;
};

// Every wait, time-out and window timer goes through a clock: real monotonic
// time in production, virtual time in tests so long waits cost nothing.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds on a monotonic scale with an arbitrary origin.
    virtual double jetzt() const = 0;

    // Blocks until `fertig` holds or the deadline has passed, without spinning;
    // returns the last value of `fertig`. The condition is checked again
    // whenever data may have arrived (see `wecken`).
    virtual bool warteBis(double frist, const std::function<bool()>& fertig, Ereignisse e) = 0;

    // Tells a waiting caller to check its condition again (new port data).
    virtual void wecken() = 0;

    virtual std::unique_ptr<Zeitgeber> zeitgeber(std::function<void()> handler) = 0;
};
