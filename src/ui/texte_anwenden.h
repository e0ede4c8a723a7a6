#pragma once

#include <QStringList>

#include "config/language.h"

class Hauptfenster;
class QWidget;

// Sets every caption of the main window and of the device data window in the
// given language.
void TexteAnwenden(Hauptfenster& fenster, Sprache s);

// The names of the controls the captions set, as the display model names
// them ("frmND.name" for the device data window, besides the bare name).
QStringList beschrifteteElemente();

// Sets the captions the table holds for one window.
void beschriftungenSetzen(QWidget* wurzel, const char* fenster, Sprache s);
