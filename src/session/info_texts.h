#pragma once

#include <QString>

#include "config/language.h"

// Fixed messages of the user interface that are built into the program.
namespace infoTexts {

struct Message {
    QString title;
    QString text;
};

// Shown once after the language was chosen at the first start.
Message firstStart(Language s);
// The Info entry of the help menu.
Message info(Language s);

QString mainWindowTitle(Language s, int portNumber);
QString choosePortText(Language s);             // status text when no port is configured
QString overflowWord(Language s, bool active);  // "aktiv" / "passiv"
QString overflowText(Language s, bool active);  // "Überlauf ist aktiv" / "... passiv"

}  // namespace infoTexts
