#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

#include "link/steady_clock.h"

// The production clock waits on real time without spinning and wakes early
// when told that data arrived.
class TstSteadyClock : public QObject {
    Q_OBJECT

private slots:
    void ohne_ereignis_endet_die_wartezeit_an_der_frist() {
        SteadyClock uhr;
        const double start = uhr.jetzt();
        QVERIFY(!uhr.warteBis(
            start + 0.05, [] { return false; }, Ereignisse::NurAnzeige));
        QVERIFY(uhr.jetzt() - start >= 0.05);
    }

    void wecken_laesst_die_bedingung_erneut_pruefen() {
        SteadyClock uhr;
        bool da = false;
        QTimer::singleShot(20, [&] {
            da = true;
            uhr.wecken();
        });
        const double start = uhr.jetzt();
        QVERIFY(uhr.warteBis(
            start + 10.0, [&] { return da; }, Ereignisse::NurAnzeige));
        QVERIFY(uhr.jetzt() - start < 5.0);
    }

    void eine_verschachtelte_wartezeit_weckt_auch_die_aeussere() {
        SteadyClock uhr;
        bool innen = false, aussen = false;
        QTimer::singleShot(10, [&] {
            uhr.warteBis(
                uhr.jetzt() + 10.0, [&] { return innen; }, Ereignisse::Alle);
        });
        QTimer::singleShot(30, [&] {
            innen = aussen = true;
            uhr.wecken();
        });
        const double start = uhr.jetzt();
        QVERIFY(uhr.warteBis(
            start + 10.0, [&] { return aussen; }, Ereignisse::Alle));
        QVERIFY(uhr.jetzt() - start < 5.0);
    }
};

QTEST_GUILESS_MAIN(TstSteadyClock)
#include "tst_steady_clock.moc"
