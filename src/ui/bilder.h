#pragma once

#include <QPixmap>

#include "config/language.h"

// Pictures the program draws itself: language flags, the connection state
// and the polarity of a pulse or switch output.
namespace bilder {

QPixmap flagge(Sprache s);
QPixmap stecker(bool verbunden);
QPixmap polaritaet(bool plus);

}  // namespace bilder
