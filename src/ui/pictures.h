#pragma once

#include <QPixmap>

#include "config/language.h"

// Pictures the program draws itself: language flags, the connection state
// and the polarity of a pulse or switch output.
namespace pictures {

QPixmap flag(Language s);
QPixmap plug(bool connected);
QPixmap restarting();
QPixmap polarity(bool plus);

}  // namespace pictures
