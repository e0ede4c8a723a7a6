#include "sim/virtual_clock.h"

#include <memory>

namespace {

// Fires on virtual time. Each start gets a new generation, so a pending tick
// of an earlier start is dropped.
class VirtualTimer : public Timer {
public:
    VirtualTimer(VirtualClock& clock, std::function<void()> handler)
        : clock_(clock), handler_(std::move(handler)), generation_(std::make_shared<int>(0)) {}
    ~VirtualTimer() override { ++*generation_; }

    void setIntervalMs(int ms) override { intervalMs_ = ms; }
    void on() override {
        active_ = true;
        scheduleTick();
    }
    void off() override {
        active_ = false;
        ++*generation_;
    }
    bool active() const override { return active_; }
    int intervalMs() const override { return intervalMs_; }

private:
    void scheduleTick() {
        const int mine = ++*generation_;
        std::weak_ptr<int> gen = generation_;
        clock_.schedule(clock_.now() + intervalMs_ / 1000.0, [this, gen, mine] {
            const auto g = gen.lock();
            if (!g || *g != mine || !active_ || intervalMs_ <= 0) return;
            handler_();
            if (*g == mine && active_) scheduleTick();
        });
    }

    VirtualClock& clock_;
    std::function<void()> handler_;
    std::shared_ptr<int> generation_;
    int intervalMs_ = 0;
    bool active_ = false;
};

}  // namespace

std::unique_ptr<Timer> VirtualClock::timer(std::function<void()> handler) {
    return std::make_unique<VirtualTimer>(*this, std::move(handler));
}

bool VirtualClock::waitUntil(double deadline, const std::function<bool()>& done, Events) {
    while (!done()) {
        if (agenda_.empty() || agenda_.begin()->first.first > deadline) {
            if (deadline > now_) now_ = deadline;
            return done();
        }
        auto next = agenda_.begin();
        if (next->first.first > now_) now_ = next->first.first;
        auto task = std::move(next->second);
        agenda_.erase(next);
        task();
    }
    return true;
}

void VirtualClock::schedule(double when, std::function<void()> task) {
    agenda_.emplace(std::make_pair(when, sequence_++), std::move(task));
}

void VirtualClock::advance(double seconds) {
    waitUntil(
        now_ + seconds, [] { return false; }, Events::All);
}
