#pragma once

#include "config/digital_edit.h"
#include "features/entry_boxes.h"
#include "session/session.h"

// The digital page: the output kind chosen and its values (frequency band or
// range, pulse value, duration and polarity, switch thresholds and polarity).
// The output's own fields are edited in the meter record; what else the
// write needs is this editor's own.
class DigitalEditor {
public:
    explicit DigitalEditor(Session& core);

    QString boxChanged(Box b, const QString& typed);
    void chooseDigital(int index);
    void chooseFrequencyRange(int index);
    void pulseDurationMoved(int ms);
    void choosePulsePolarity(int index);
    void chooseSwitchPolarity(int index);
    void cancelDigital();

    // False, with the message, when no pulse divisor gives the amount per pulse.
    bool pulseDividerFits();

    const DigitalEdit& edit() const { return edit_; }
    // A configuration to write, taken whole (a loaded file).
    void take(const DigitalEdit& e);

private:
    void preparePulseEditor();
    void frequencyEntered(Box box, double value);
    void pulseValueEntered(double value);
    void switchThresholdEntered(Box box, double value);

    Session& core_;
    DigitalEdit edit_;
};
