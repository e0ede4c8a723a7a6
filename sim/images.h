#pragma once

#include <QByteArray>

// EEPROM images (512 bytes, without the DLE) for the simulated meter.
namespace images {

// A plausible meter: firmware 3, 12 support points, 4-20 mA output,
// pulse output, calibrated output stages, overflow passive.
QByteArray standard();
// The same meter with firmware 2, which has no overflow function.
QByteArray firmware2();
// A meter whose EEPROM was erased: every byte FF.
QByteArray erased();

}  // namespace images
