#pragma once

#include "config/analog_edit.h"
#include "features/digital_editor.h"
#include "features/entry_boxes.h"
#include "session/session.h"

// The analog page: which parameters are to be written and their new values,
// the overflow and the upper range limit (edited in the meter record). A new
// full scale is checked against the pulse output of the digital editor.
class AnalogEditor {
public:
    AnalogEditor(Session& core, DigitalEditor& digital);

    QString boxChanged(Box b, const QString& typed);
    void tickAnalog(int index, bool ticked);
    void dampingMoved(int ms);
    void chooseAnalogOutput(int index);
    void chooseErrorOutput(int index);
    void chooseOverflow(int index);
    // Gives up the analog edit and reads the meter again.
    void cancelAnalog();
    // An overflow switched on in the editor is given up; the full scale box
    // takes the meter's value again.
    void leaveOverflow();

    const AnalogEdit& edit() const { return edit_; }
    // A configuration to write, taken whole (a loaded file).
    void take(const AnalogEdit& e);
    // The boxes and the damping slider show the configuration taken.
    void showTaken();
    // The upper range limit edited in the record is to be written too.
    void askRangeLimit();

private:
    void refillBox(Box box, const QString& text);
    void showDamping(int position, qint32 filterFactor);
    void fullScaleEntered(double value);
    void rangeLimitEntered(double value);

    Session& core_;
    DigitalEditor& digital_;
    AnalogEdit edit_;
};
