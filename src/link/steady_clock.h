#pragma once

#include <QEventLoop>
#include <QVector>

#include "link/clock.h"
#include "link/system_timer.h"

// Real monotonic time, to the microsecond. A wait handles events until its
// deadline or until a wake finds its condition met, so it never spins a
// core; bytes that do not yet complete a reply cost no new loop.
class SteadyClock : public Clock {
public:
    SteadyClock();
    double now() const override;
    bool waitUntil(double deadline, const std::function<bool()>& done, Events e) override;
    void wake() override;
    std::unique_ptr<Timer> timer(std::function<void()> handler) override;

private:
    struct Waiting {
        double deadline;
        bool* met;
        const std::function<bool()>* done;
    };

    double origin_;
    SystemTimer deadline_;      // armed for the innermost wait's deadline
    QVector<Waiting> waiting_;  // the innermost last
};
