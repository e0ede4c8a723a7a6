#pragma once

#include <QString>

// Numbers as the window shows them, in the system's number format.
namespace numberFormat {

// A fixed number of decimals, like the pattern "0.00".
QString fixed(double value, int places);
// Rounded to `places` decimals (halves to even), trailing zeros dropped.
QString rounded(double value, int places);
// The shortest text that reads back as the same single-precision value.
QString shortest(float value);
// As `shortest`, with a blank before a number that is not negative.
QString withSignPlace(float value);

}  // namespace numberFormat
