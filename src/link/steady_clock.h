#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QVector>

#include "link/clock.h"

// Real monotonic time. A wait runs a nested event loop that wakes on its
// deadline or when the port reports data, so it never spins a core.
class SteadyClock : public Clock {
public:
    SteadyClock();
    double now() const override;
    bool waitUntil(double deadline, const std::function<bool()>& done, Events e) override;
    void wake() override;
    std::unique_ptr<Timer> timer(std::function<void()> handler) override;

private:
    QElapsedTimer clock_;
    QVector<QEventLoop*> waiting_;
};
