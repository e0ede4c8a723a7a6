#include "session/progress.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int TickMs = 250;
constexpr int MostBeforeTheEnd = 99;  // 100 % only once the operation has ended

}  // namespace

Progress::Progress(Clock& clock, std::function<void(const ProgressState&)> publish)
    : clock_(clock), publish_(std::move(publish)), ticker_(clock.timer([this] { update(false); })) {
    ticker_->setIntervalMs(TickMs);
}

void Progress::begin(double plannedSeconds) {
    if (depth_++ > 0) return;
    planned_ = std::max(plannedSeconds, 0.0);
    counted_ = 0;
    since_ = clock_.now();
    state_ = ProgressState{true, false, 0, int(std::ceil(planned_))};
    ticker_->on();
    publish_(state_);
}

void Progress::setRestarting(bool on) {
    if (!state_.running || state_.restarting == on) return;
    if (on)
        counted_ += clock_.now() - since_;
    else
        since_ = clock_.now();
    state_.restarting = on;
    update(true);
}

void Progress::end() {
    if (depth_ == 0 || --depth_ > 0) return;
    ticker_->off();
    state_ = ProgressState{};
    publish_(state_);
}

void Progress::update(bool always) {
    if (!state_.running) return;
    const double done = counted_ + (state_.restarting ? 0.0 : clock_.now() - since_);
    ProgressState next = state_;
    next.percent =
        planned_ > 0 ? std::min(MostBeforeTheEnd, int(100 * done / planned_)) : MostBeforeTheEnd;
    next.secondsLeft = int(std::ceil(std::max(planned_ - done, 0.0)));
    if (next == state_ && !always) return;
    state_ = next;
    publish_(state_);
}
