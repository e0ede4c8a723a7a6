#include "sim/virtual_clock.h"

#include <memory>

namespace {

// Fires on virtual time. Each start gets a new generation, so a pending tick
// of an earlier start is dropped.
class VirtuellerZeitgeber : public Zeitgeber {
public:
    VirtuellerZeitgeber(VirtualClock& uhr, std::function<void()> handler)
        : uhr_(uhr), handler_(std::move(handler)), generation_(std::make_shared<int>(0)) {}
    ~VirtuellerZeitgeber() override { ++*generation_; }

    void setzeIntervall(int ms) override { intervall_ = ms; }
    void an() override {
        aktiv_ = true;
        planen();
    }
    void aus() override {
        aktiv_ = false;
        ++*generation_;
    }
    bool aktiv() const override { return aktiv_; }
    int intervall() const override { return intervall_; }

private:
    void planen() {
        const int meine = ++*generation_;
        std::weak_ptr<int> gen = generation_;
        uhr_.um(uhr_.jetzt() + intervall_ / 1000.0, [this, gen, meine] {
            const auto g = gen.lock();
            if (!g || *g != meine || !aktiv_ || intervall_ <= 0) return;
            handler_();
            if (*g == meine && aktiv_) planen();
        });
    }

    VirtualClock& uhr_;
    std::function<void()> handler_;
    std::shared_ptr<int> generation_;
    int intervall_ = 0;
    bool aktiv_ = false;
};

}  // namespace

std::unique_ptr<Zeitgeber> VirtualClock::zeitgeber(std::function<void()> handler) {
    return std::make_unique<VirtuellerZeitgeber>(*this, std::move(handler));
}

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
