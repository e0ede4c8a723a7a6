#pragma once

#include <QString>

#include "session/session.h"

// The counts window: raw counts instead of the measured value, and the
// average of a number of readings. The poll itself stays the core's.
class CountsWindow {
public:
    explicit CountsWindow(Session& core);

    void openCountsWindow();
    void requestCounts(bool on);
    QString readingsTyped(const QString& text);
    void startAveraging(bool on);
    void closeCountsWindow();

private:
    Session& core_;
    bool shown_ = false;
};
