#include "link/steady_clock.h"

#include <QTimer>
#include <cmath>

namespace {

class QtZeitgeber : public Zeitgeber {
public:
    explicit QtZeitgeber(std::function<void()> handler) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, std::move(handler));
    }
    void setzeIntervall(int ms) override { timer_.setInterval(ms); }
    void an() override { timer_.start(); }
    void aus() override { timer_.stop(); }
    bool aktiv() const override { return timer_.isActive(); }
    int intervall() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

}  // namespace

SteadyClock::SteadyClock() {
    uhr_.start();
}

std::unique_ptr<Zeitgeber> SteadyClock::zeitgeber(std::function<void()> handler) {
    return std::make_unique<QtZeitgeber>(std::move(handler));
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
