#include "link/steady_clock.h"

#include <QTimer>
#include <cmath>

SteadyClock::SteadyClock() {
    uhr_.start();
}

double SteadyClock::jetzt() const {
    return double(uhr_.nsecsElapsed()) / 1e9;
}

bool SteadyClock::warteBis(double frist, const std::function<bool()>& fertig, Ereignisse e) {
    const auto flags =
        e == Ereignisse::Alle ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    while (!fertig()) {
        const double rest = frist - jetzt();
        if (rest <= 0) return fertig();
        QEventLoop schleife;
        QTimer frist_timer;
        frist_timer.setSingleShot(true);
        frist_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&frist_timer, &QTimer::timeout, &schleife, &QEventLoop::quit);
        frist_timer.start(int(std::ceil(rest * 1000.0)));
        wartende_.append(&schleife);
        schleife.exec(flags);
        wartende_.removeOne(&schleife);
    }
    return true;
}

void SteadyClock::wecken() {
    for (QEventLoop* schleife : wartende_)
        schleife->quit();
}
