#pragma once

#include <QTableWidget>

// The device grids. Row 0 and column 0 are fixed header cells inside the
// grid, so row 1 is the first data row, as the procedures that fill them count.
namespace tabellen {

constexpr int KopfzeileTwips = 550;
constexpr int ZeileTwips = 263;
constexpr int StpZeilen = 15;  // data rows of each support-point grid

void TabelleErrorAnlegen(QTableWidget* t);
void TabelleOFAnlegen(QTableWidget* t);
void TabelleDACAnlegen(QTableWidget* t);
// Grid 1 holds points 1 to 15, grid 2 points 16 to 30.
void TabelleStpAnlegen(QTableWidget* t, int gitter);

// Writes a data cell, centred.
void setzeZelle(QTableWidget* t, int zeile, int spalte, const QString& text);

}  // namespace tabellen
