#pragma once

#include "config/language.h"

class Hauptfenster;
class QWidget;

// Sets every caption of the main window and of the device data window in the
// given language.
void TexteAnwenden(Hauptfenster& fenster, Sprache s);

// Sets the captions the table holds for one window.
void beschriftungenSetzen(QWidget* wurzel, const char* fenster, Sprache s);
