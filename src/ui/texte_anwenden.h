#pragma once

#include <QStringList>

#include "config/language.h"

class MainWindow;
class QWidget;

// Sets every caption of the main window and of the device data window in the
// given language.
void TexteAnwenden(MainWindow& window, Language s);

// The names of the controls the captions set, as the display model names
// them ("frmND.name" for the device data window, besides the bare name).
QStringList captionedControls();

// Sets the captions the table holds for one window.
void setCaptions(QWidget* root, const char* window, Language s);
