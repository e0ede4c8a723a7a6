#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <functional>
#include <memory>

// A timer of the system's monotonic clock, to the microsecond: Qt's timers
// count whole milliseconds and the event loop rounds their rest up, so a
// 10 ms timer fired up to a millisecond late and a wait for a reply ended up
// to a byte's time after the reply was due. The timer wakes the event loop
// through a descriptor that stays watched while the timer is off, so arming
// it costs the loop no extra turn.
class SystemTimer {
public:
    explicit SystemTimer(std::function<void()> expired);
    ~SystemTimer();
    SystemTimer(const SystemTimer&) = delete;
    SystemTimer& operator=(const SystemTimer&) = delete;

    // Seconds since an arbitrary origin, on the scale the timer counts in.
    static double now();

    // Expires once at `deadline` (a value of now()), never before.
    void expireAt(double deadline);
    // Expires every `seconds`, the first time `seconds` from now.
    void expireEvery(double seconds);
    void stop();
    bool armed() const { return armed_; }

private:
    void arm(double first, double period, bool absolute);
    void expired();

    int fd_ = -1;
    bool armed_ = false;
    bool periodic_ = false;
    bool handling_ = false;
    bool* destroyed_ = nullptr;  // set while the handler runs, which may delete the timer
    std::function<void()> expired_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<QTimer> fallback_;  // only when no timer descriptor could be had
};
