#pragma once

#include <QString>

// The leading decimal number of a text, as far as one can be read from the
// left after blanks; 0 when there is none ("05" is 5, "2." is 2, "ab" is 0).
double leadingNumber(const QString& text);

// Rounds to `places` decimal places, halves to the even neighbour.
double roundHalfEven(double value, int places);

// A number as files hold it: a minus sign or a blank, then the shortest
// fixed text with a period that reads back as the same single-precision
// value (" 12.5", "-1", " 60").
QString strForm(double value);

// A number as the editors put it into a box: the Str form without its
// leading blank ("12.5", "-1").
QString boxForm(double value);
