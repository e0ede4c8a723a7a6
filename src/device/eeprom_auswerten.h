#pragma once

#include <QByteArray>
#include <QString>

#include "device/meter_parameters.h"
#include "device/unit.h"

struct DecodeResult {
    QString failure;  // what the first part that could not be decoded met; empty when none
    bool ok() const { return failure.isEmpty(); }
};

// Decodes the 513-byte EEPROM reply (DLE first) into the parameter record,
// which holds nothing else afterwards: whatever the image does not give stays
// empty (0), so nothing of a meter read before remains. A part that cannot be
// decoded (a support-point count beyond the record, a zero unit factor, a
// short reply) stays empty and the other parts are decoded all the same.
DecodeResult EEPromAuswerten(const QByteArray& buffer, MeterParameters& p, const Unit& unit);

// Firmware from version 3 on knows the overflow range.
bool overflowKnown(const MeterParameters& p);
