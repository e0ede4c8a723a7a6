#pragma once

#include <QByteArray>

#include "config/masseinheit.h"
#include "device/geraeteparameter.h"
#include "ui/oberflaeche.h"

// Decodes the 513-byte EEPROM reply (DLE first) into the parameter record and
// sets the overflow controls of the window. A failure ends the decode with a
// message; fields decoded before it keep their new values. Returns whether
// the whole image was decoded.
bool EEPromAuswerten(const QByteArray& puffer, Geraeteparameter& p, const Masseinheit& einheit,
                     const Oberflaeche& ui);
