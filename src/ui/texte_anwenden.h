#pragma once

#include "ui/sprache.h"

class Hauptfenster;
class QWidget;

// Sets every caption of the main window and of the device data window in the
// given language, the window title with the port number, and the captions
// that follow the overflow state.
void TexteAnwenden(Hauptfenster& fenster, Sprache s, int portnummer, bool ueberlaufAktiv);

// Sets the captions the table holds for one window.
void beschriftungenSetzen(QWidget* wurzel, const char* fenster, Sprache s);
