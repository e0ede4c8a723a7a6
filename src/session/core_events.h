#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "config/language.h"
#include "session/controls.h"
#include "session/progress.h"
#include "session/show_values.h"

// What the features and the window hear of the core. The listeners of an
// event are called in the order they were added; the core raises the events.
class CoreEvents {
    template <typename... Args>
    using Listeners = std::vector<std::function<void(Args...)>>;

public:
    // Every measured value polling shows: seconds on the clock, kg/h in the unit.
    void onMeasurement(std::function<void(double, float)> f) { add(measured_, std::move(f)); }
    // A counts reply read.
    void onReading(std::function<void()> f) { add(reading_, std::move(f)); }
    // The readings lost to a broken link.
    void onReadingsLost(std::function<void()> f) { add(readingsLost_, std::move(f)); }
    void onEnd(std::function<void()> f) { add(ending_, std::move(f)); }
    // A meter image was read and decoded into the record.
    void onImageDecoded(std::function<void()> f) { add(imageDecoded_, std::move(f)); }
    // The configuration was shown, with the list entries it chose.
    void onValuesShown(std::function<void(const ShownChoices&)> f) {
        add(valuesShown_, std::move(f));
    }
    // What was edited is given up: written, read again or cancelled.
    void onEditsDiscarded(std::function<void()> f) { add(editsDiscarded_, std::move(f)); }
    // The texts of a new language were loaded, for the captions.
    void onLanguageChanged(std::function<void(Language)> f) { add(language_, std::move(f)); }
    // A long operation began, went on or ended.
    void onProgress(std::function<void(const ProgressState&)> f) { add(progress_, std::move(f)); }
    // A feature tells the control rule what it holds.
    void addControls(std::function<void(ControlInputs&)> f) { add(controls_, std::move(f)); }

    void measured(double seconds, float kgh) const { raise(measured_, seconds, kgh); }
    void reading() const { raise(reading_); }
    void readingsLost() const { raise(readingsLost_); }
    void ending() const { raise(ending_); }
    void imageDecoded() const { raise(imageDecoded_); }
    void valuesShown(const ShownChoices& c) const { raise(valuesShown_, c); }
    void editsDiscarded() const { raise(editsDiscarded_); }
    void languageChanged(Language s) const { raise(language_, s); }
    void controls(ControlInputs& in) const { raise(controls_, in); }
    void progress(const ProgressState& p) const { raise(progress_, p); }

private:
    template <typename L, typename F>
    static void add(L& listeners, F&& f) {
        listeners.push_back(std::forward<F>(f));
    }
    template <typename L, typename... Args>
    static void raise(const L& listeners, Args&&... args) {
        for (const auto& f : listeners)
            f(args...);
    }

    Listeners<double, float> measured_;
    Listeners<> reading_, readingsLost_, ending_, imageDecoded_, editsDiscarded_;
    Listeners<const ShownChoices&> valuesShown_;
    Listeners<Language> language_;
    Listeners<ControlInputs&> controls_;
    Listeners<const ProgressState&> progress_;
};
