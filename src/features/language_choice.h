#pragma once

#include "session/session.h"

// The language frames: the first choice writes the marker and starts the
// check; a later choice shows the configuration's words anew, and a check
// that is due waits until the frame closes.
class LanguageChoice {
public:
    explicit LanguageChoice(Session& core);

    void chooseFirstLanguage(Language s);
    void chooseLanguage(Language s);
    void openLanguageTask();

private:
    Session& core_;
};
