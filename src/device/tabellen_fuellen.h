#pragma once

#include "device/geraeteparameter.h"
#include "ui/main_view.h"

// Writes the device tables from the parameter record.
namespace tabellenFuellen {

// Writes row i of the support-point grids: point 1 to 15 in grid 1, 16 to 30
// in grid 2. Empty counts and flows stay empty, except the flow of point 1.
void stuetzpunktZeile(const Geraeteparameter& p, int punkt, MainView& v);
void stuetzpunkte(const Geraeteparameter& p, MainView& v);
// The offset and factor grid and the calibration point grid.
void kalibrierung(const Geraeteparameter& p, MainView& v);

}  // namespace tabellenFuellen
