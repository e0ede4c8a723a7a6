#include "sim/echtzeit.h"

#include <cmath>

Echtzeit::Echtzeit() {
    uhr_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { faellige(); });
}

double Echtzeit::jetzt() const {
    return double(uhr_.nsecsElapsed()) / 1e9;
}

void Echtzeit::um(double zeitpunkt, std::function<void()> aufgabe) {
    termine_.emplace(std::make_pair(zeitpunkt, folge_++), std::move(aufgabe));
    stellen();
}

void Echtzeit::faellige() {
    // Timers count whole milliseconds; an event less than half of one away is due now.
    while (!termine_.empty() && termine_.begin()->first.first <= jetzt() + Toleranz) {
        auto aufgabe = std::move(termine_.begin()->second);
        termine_.erase(termine_.begin());
        aufgabe();
    }
    stellen();
}

void Echtzeit::stellen() {
    if (termine_.empty()) {
        timer_.stop();
        return;
    }
    const double rest = termine_.begin()->first.first - jetzt();
    timer_.start(rest <= Toleranz ? 0 : int(std::lround(rest * 1000.0)));
}
