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
    double jetzt() const override;
    bool warteBis(double frist, const std::function<bool()>& fertig, Ereignisse e) override;
    void wecken() override;
    std::unique_ptr<Zeitgeber> zeitgeber(std::function<void()> handler) override;

private:
    QElapsedTimer uhr_;
    QVector<QEventLoop*> wartende_;
};
