#include <sys/resource.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "link/steady_clock.h"

// The production clock waits on real time without spinning and wakes early
// when told that data arrived; its timers behave as the window's timers do.
class TstSteadyClock : public QObject {
    Q_OBJECT

private slots:
    void without_event_the_wait_ends_at_the_deadline() {
        SteadyClock clock;
        const double start = clock.now();
        QVERIFY(!clock.waitUntil(
            start + 0.05, [] { return false; }, Events::DisplayOnly));
        QVERIFY(clock.now() - start >= 0.05);
    }

    void wake_makes_the_condition_be_checked_again() {
        SteadyClock clock;
        bool arrived = false;
        QTimer::singleShot(20, [&] {
            arrived = true;
            clock.wake();
        });
        const double start = clock.now();
        QVERIFY(clock.waitUntil(
            start + 10.0, [&] { return arrived; }, Events::DisplayOnly));
        QVERIFY(clock.now() - start < 5.0);
    }

    void a_wake_before_the_condition_holds_keeps_waiting() {
        SteadyClock clock;
        bool arrived = false;
        QTimer::singleShot(10, [&] { clock.wake(); });
        QTimer::singleShot(40, [&] {
            arrived = true;
            clock.wake();
        });
        const double start = clock.now();
        QVERIFY(clock.waitUntil(
            start + 10.0, [&] { return arrived; }, Events::DisplayOnly));
        QVERIFY(clock.now() - start >= 0.035);
    }

    void a_nested_wait_also_wakes_the_outer_one() {
        SteadyClock clock;
        bool inner = false, outer = false;
        QTimer::singleShot(10, [&] {
            clock.waitUntil(
                clock.now() + 10.0, [&] { return inner; }, Events::All);
        });
        QTimer::singleShot(30, [&] {
            inner = outer = true;
            clock.wake();
        });
        const double start = clock.now();
        QVERIFY(clock.waitUntil(
            start + 10.0, [&] { return outer; }, Events::All));
        QVERIFY(clock.now() - start < 5.0);
    }

    void an_outer_wait_still_ends_at_its_deadline_after_an_inner_one_ended() {
        SteadyClock clock;
        bool innerMet = false;
        QTimer::singleShot(5, [&] {
            clock.waitUntil(
                clock.now() + 10.0, [&] { return innerMet; }, Events::All);
        });
        QTimer::singleShot(15, [&] {
            innerMet = true;
            clock.wake();
        });
        const double start = clock.now();
        QVERIFY(!clock.waitUntil(
            start + 0.05, [] { return false; }, Events::All));
        const double waited = clock.now() - start;
        QVERIFY(waited >= 0.05);
        QVERIFY(waited < 5.0);
    }

    void a_timer_calls_its_handler_every_interval_until_switched_off() {
        SteadyClock clock;
        int calls = 0;
        auto timer = clock.timer([&] {
            ++calls;
            clock.wake();
        });
        timer->setIntervalMs(10);
        timer->on();
        QVERIFY(timer->active());
        clock.waitUntil(
            clock.now() + 10.0, [&] { return calls >= 3; }, Events::All);
        timer->off();
        QVERIFY(!timer->active());
        const int seen = calls;
        clock.waitUntil(
            clock.now() + 0.05, [] { return false; }, Events::All);
        QCOMPARE(calls, seen);
    }

    void a_timer_is_not_entered_again_while_its_handler_waits() {
        SteadyClock clock;
        int depth = 0, deepest = 0, calls = 0;
        std::unique_ptr<Timer> timer = clock.timer([&] {
            ++calls;
            deepest = std::max(deepest, ++depth);
            clock.waitUntil(
                clock.now() + 0.05, [] { return false; }, Events::All);
            --depth;
            clock.wake();
        });
        timer->setIntervalMs(5);
        timer->on();
        clock.waitUntil(
            clock.now() + 10.0, [&] { return calls >= 2; }, Events::All);
        QCOMPARE(deepest, 1);
    }

    void a_timer_may_be_deleted_by_its_own_handler() {
        SteadyClock clock;
        std::unique_ptr<Timer> timer;
        timer = clock.timer([&] {
            timer.reset();
            clock.wake();
        });
        timer->setIntervalMs(5);
        timer->on();
        QVERIFY(clock.waitUntil(
            clock.now() + 10.0, [&] { return !timer; }, Events::All));
    }

    void without_a_descriptor_left_the_clock_still_keeps_its_times() {
        // The sanitizer's type check opens descriptors of its own the first
        // time it meets a class: it meets the timer while there are some.
        QTimer known;
        known.setTimerType(Qt::PreciseTimer);
        known.setSingleShot(true);
        known.start(1000);
        known.stop();
        rlimit before{};
        ::getrlimit(RLIMIT_NOFILE, &before);
        rlimit few = before;
        few.rlim_cur = std::min<rlim_t>(before.rlim_cur, 256);
        ::setrlimit(RLIMIT_NOFILE, &few);
        QVector<int> held;
        for (int fd = ::dup(0); fd >= 0; fd = ::dup(0))
            held.append(fd);
        SteadyClock clock;
        int calls = 0;
        auto timer = clock.timer([&] { ++calls; });
        timer->setIntervalMs(5);
        timer->on();
        const double start = clock.now();
        const bool met = clock.waitUntil(
            start + 0.05, [] { return false; }, Events::All);
        const double waited = clock.now() - start;
        for (int fd : held)
            ::close(fd);
        ::setrlimit(RLIMIT_NOFILE, &before);
        QVERIFY(!held.isEmpty());
        QVERIFY(!met);
        QVERIFY(waited >= 0.05 && waited < 5.0);
        QVERIFY(calls >= 2);
    }
};

QTEST_GUILESS_MAIN(TstSteadyClock)
#include "tst_steady_clock.moc"
