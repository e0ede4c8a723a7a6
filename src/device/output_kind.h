#pragma once

#include <QString>

// The digital output as Ausgangsart's bits describe it.
namespace outputKind {

constexpr int Pulse = 0x04, Frequency = 0x08, Switching = 0x40;

// "pulse", "frequency", "switch" or "none", for summaries.
inline QString digitalName(int ausgangsart) {
    if (ausgangsart & Pulse) return QStringLiteral("pulse");
    if (ausgangsart & Frequency) return QStringLiteral("frequency");
    if (ausgangsart & Switching) return QStringLiteral("switch");
    return QStringLiteral("none");
}

}  // namespace outputKind
