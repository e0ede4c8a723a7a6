#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "link/clock.h"
#include "sim/scheduler.h"

// Virtual time for tests: a wait jumps from one scheduled event to the next,
// so a 40-second wait costs no real time.
class VirtualClock : public Clock, public Scheduler {
public:
    double jetzt() const override { return jetzt_; }
    bool warteBis(double frist, const std::function<bool()>& fertig, Ereignisse e) override;
    void wecken() override {}
    void um(double zeitpunkt, std::function<void()> aufgabe) override;
    std::unique_ptr<Zeitgeber> zeitgeber(std::function<void()> handler) override;

    // Lets `sekunden` pass, running everything due meanwhile.
    void vergehen(double sekunden);

private:
    double jetzt_ = 0;
    std::uint64_t folge_ = 0;
    std::map<std::pair<double, std::uint64_t>, std::function<void()>> termine_;
};
