#pragma once

#include <QWidget>

// Builders of the main window's regions. Each returns a widget holding the
// named controls of its region; captions come later from the caption table.
namespace pages {

QWidget* header();           // raKopf: title, lamp, connection pictures
QWidget* currentValues();    // raAktuell: live values and gauges
QWidget* meterData();        // tab 0: current device data
QWidget* analogOutput();     // tab 1
QWidget* digitalOutput();    // tab 2
QWidget* service();          // tab 3
QWidget* portChoice();       // raSchnittstellen
QWidget* language();         // raSprache
QWidget* languageAtStart();  // raSpracheBeginn
QWidget* units();            // raEinheiten
QWidget* addUnit();          // raEinheitenAdd
QWidget* deleteUnit();       // raEinheitenloesch
// A password frame with its box and check, save and cancel buttons.
QWidget* password(const char* frame, const char* box, const char* check, const char* store,
                  const char* cancel);

}  // namespace pages
