#pragma once

#include <QWidget>

// Builders of the main window's regions. Each returns a widget holding the
// named controls of its region; captions come later from the caption table.
namespace seiten {

QWidget* kopf();                  // raKopf: title, lamp, connection pictures
QWidget* aktuell();               // raAktuell: live values and gauges
QWidget* geraetedaten();          // tab 0: current device data
QWidget* analogausgang();         // tab 1
QWidget* digitalausgang();        // tab 2
QWidget* service();               // tab 3
QWidget* schnittstellen();        // raSchnittstellen
QWidget* sprache();               // raSprache
QWidget* spracheBeginn();         // raSpracheBeginn
QWidget* einheiten();             // raEinheiten
QWidget* einheitenHinzufuegen();  // raEinheitenAdd
QWidget* einheitenLoeschen();     // raEinheitenloesch
// A password frame with its box and check, save and cancel buttons.
QWidget* passwort(const char* rahmen, const char* box, const char* pruefen, const char* speichern,
                  const char* abbrechen);

}  // namespace seiten
