#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include "link/steady_clock.h"

// The production clock waits on real time without spinning and wakes early
// when told that data arrived.
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
};

QTEST_GUILESS_MAIN(TstSteadyClock)
#include "tst_steady_clock.moc"
