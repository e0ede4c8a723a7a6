#pragma once

#include <QString>

// Numbers as the window shows them, in the system's number format.
namespace zahlformat {

// A fixed number of decimals, like the pattern "0.00".
QString fest(double wert, int stellen);
// Rounded to `stellen` decimals (halves to even), trailing zeros dropped.
QString gerundet(double wert, int stellen);
// The shortest text that reads back as the same single-precision value.
QString kurz(float wert);
// As `kurz`, with a blank before a number that is not negative.
QString mitVorzeichenstelle(float wert);

}  // namespace zahlformat
