#include "sim/virtual_clock.h"

bool VirtualClock::warteBis(double frist, const std::function<bool()>& fertig, Ereignisse) {
    while (!fertig()) {
        if (termine_.empty() || termine_.begin()->first.first > frist) {
            if (frist > jetzt_) jetzt_ = frist;
            return fertig();
        }
        auto naechster = termine_.begin();
        if (naechster->first.first > jetzt_) jetzt_ = naechster->first.first;
        auto aufgabe = std::move(naechster->second);
        termine_.erase(naechster);
        aufgabe();
    }
    return true;
}

void VirtualClock::um(double zeitpunkt, std::function<void()> aufgabe) {
    termine_.emplace(std::make_pair(zeitpunkt, folge_++), std::move(aufgabe));
}

void VirtualClock::vergehen(double sekunden) {
    warteBis(
        jetzt_ + sekunden, [] { return false; }, Ereignisse::Alle);
}
