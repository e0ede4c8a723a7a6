#pragma once

#include <QString>
#include <QStringList>

// The analog output as the configuration bytes describe it.
namespace analogOutput {

enum class Range { U0_5, U0_10, I0_20, I4_20 };

// Ausgangsart bit 0 marks a current output; Analogbereich bit 0 the 0 - 5 V
// range of a voltage output, bit 2 the 0 - 20 mA range of a current output.
Range range(int outputKind, int analogRange);
bool isCurrent(Range b);
QString rangeText(Range b);  // "0 - 5", "0 - 10", "0 - 20", "4 - 20"
QString unit(Range b);       // "Volt" or "mA"
// The range list of the analog page: "0 - 20 mA", "4 - 20 mA", "0 - 5 V", "0 - 10 V".
Range rangeOfEntry(int entry);
int entryOfRange(Range b);
// The error levels a range can give, as the error list shows them; a level
// the range cannot give is an empty entry.
QStringList errorChoices(Range b);

// Output level on error from Analogbereich bits 4 to 7, the first set bit
// wins: 0 min, 1 max, 2 down, 3 up; -1 when none is set.
int errorBehavior(int analogRange);
QString errorText(int behavior);  // "min", "max", "down", "up"

}  // namespace analogOutput
