#pragma once

#include <QByteArray>
#include <QString>

#include "device/meter_parameters.h"
#include "device/unit.h"

struct DecodeResult {
    QString failure;            // the description of what stopped the decode; empty when none
    bool overflowRead = false;  // the decode got as far as the overflow state
    bool ok() const { return failure.isEmpty(); }
};

// Decodes the 513-byte EEPROM reply (DLE first) into the parameter record. A
// failure ends the decode; fields decoded before it keep their new values.
DecodeResult EEPromAuswerten(const QByteArray& buffer, MeterParameters& p, const Unit& unit);

// Firmware from version 3 on knows the overflow range.
bool overflowKnown(const MeterParameters& p);
