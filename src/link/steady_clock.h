#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QVector>

#include "link/clock.h"

// Real monotonic time. A wait handles events until its deadline or until a
// wake finds its condition met, so it never spins a core;
// bytes that do not yet complete a reply cost no new loop.
class SteadyClock : public Clock {
public:
    SteadyClock();
    double now() const override;
    bool waitUntil(double deadline, const std::function<bool()>& done, Events e) override;
    void wake() override;
    std::unique_ptr<Timer> timer(std::function<void()> handler) override;

private:
    struct Waiting {
        bool* over;
        bool* met;
        const std::function<bool()>* done;
    };
    bool sleep(double seconds, const std::function<bool()>& done, QEventLoop::ProcessEventsFlags f);

    QElapsedTimer clock_;
    QVector<Waiting> waiting_;  // the innermost last
};
