#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <map>

#include "sim/scheduler.h"

// Real time for the pseudo-terminal server: one precise timer armed for the
// next due event.
class Echtzeit : public Scheduler {
public:
    Echtzeit();
    double jetzt() const override;
    void um(double zeitpunkt, std::function<void()> aufgabe) override;

private:
    static constexpr double Toleranz = 0.0005;

    void faellige();
    void stellen();

    QElapsedTimer uhr_;
    QTimer timer_;
    std::uint64_t folge_ = 0;
    std::map<std::pair<double, std::uint64_t>, std::function<void()>> termine_;
};
