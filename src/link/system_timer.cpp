#include "link/system_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

// Beyond about thirty years a setting means "never", and saying so keeps the
// conversion defined.
timespec toTimespec(double seconds) {
    if (!(seconds >= 0)) seconds = 0;
    if (seconds > 1e9) seconds = 1e9;
    timespec t{};
    t.tv_sec = time_t(std::floor(seconds));
    t.tv_nsec = long((seconds - std::floor(seconds)) * 1e9);
    return t;
}

}  // namespace

// A program that has run out of descriptors keeps its times with Qt's timer,
// to the millisecond, rather than never waking.
SystemTimer::SystemTimer(std::function<void()> expired) : expired_(std::move(expired)) {
    fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) {
        fallback_ = std::make_unique<QTimer>();
        fallback_->setTimerType(Qt::PreciseTimer);
        QObject::connect(fallback_.get(), &QTimer::timeout, [this] { this->expired(); });
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        std::uint64_t count = 0;
        if (::read(fd_, &count, sizeof count) == ssize_t(sizeof count)) this->expired();
    });
}

SystemTimer::~SystemTimer() {
    if (destroyed_) *destroyed_ = true;
    notifier_.reset();
    if (fd_ >= 0) ::close(fd_);
}

double SystemTimer::now() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void SystemTimer::expireAt(double deadline) {
    periodic_ = false;
    arm(deadline, 0, true);
}

void SystemTimer::expireEvery(double seconds) {
    periodic_ = true;
    arm(seconds, seconds, false);
}

void SystemTimer::stop() {
    const itimerspec off{};
    if (fallback_)
        fallback_->stop();
    else
        ::timerfd_settime(fd_, 0, &off, nullptr);
    armed_ = false;
}

// A setting of zero would switch the timer off: what is due at once waits a
// nanosecond.
void SystemTimer::arm(double first, double period, bool absolute) {
    armed_ = true;
    if (fallback_) {
        const double rest = absolute ? first - now() : first;
        fallback_->setSingleShot(period <= 0);
        fallback_->start(int(std::ceil(std::clamp(rest, 0.0, 1e6) * 1000)));
        return;
    }
    itimerspec setting{};
    setting.it_value = toTimespec(first);
    if (setting.it_value.tv_sec <= 0 && setting.it_value.tv_nsec <= 0) {
        setting.it_value.tv_sec = 0;
        setting.it_value.tv_nsec = 1;
    }
    setting.it_interval = toTimespec(period);
    ::timerfd_settime(fd_, absolute ? TFD_TIMER_ABSTIME : 0, &setting, nullptr);
}

// Expirations missed while the program was busy count once. A handler that
// waits, and so runs the event loop, is not entered again meanwhile, as Qt's
// own timers are not. The handler is taken out while it runs: one that
// deletes its timer would otherwise delete itself.
void SystemTimer::expired() {
    if (handling_) return;
    if (!periodic_) armed_ = false;
    bool destroyed = false;
    destroyed_ = &destroyed;
    handling_ = true;
    std::function<void()> handler = std::move(expired_);
    handler();
    if (destroyed) return;
    expired_ = std::move(handler);
    handling_ = false;
    destroyed_ = nullptr;
}
