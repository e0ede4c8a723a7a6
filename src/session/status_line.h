#pragma once

#include <QString>
#include <functional>

#include "config/language.h"

// A text of the status line, kept by its wording in every language so that a
// language switch says it again in the new one.
struct StatusText {
    std::function<QString(Language)> wording;
    bool asksToAct = false;  // a hover hint does not cover it

    static StatusText fixed(const QString& text);  // the same words in every language
};

// The status texts that ask the technician to act, and the only ones that do:
// a serial port to install or choose, written data to check by hand.
namespace askingTexts {

StatusText choosePort();
StatusText checkData();

}  // namespace askingTexts
