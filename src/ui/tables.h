#pragma once

#include <QTableWidget>

// The device grids. Row 0 and column 0 are fixed header cells inside the
// grid, so row 1 is the first data row, as the procedures that fill them count.
namespace tables {

constexpr int HeaderRowTwips = 550;
constexpr int RowTwips = 263;
constexpr int SupportPointRows = 15;  // data rows of each support-point grid

void TabelleErrorAnlegen(QTableWidget* t);
void TabelleOFAnlegen(QTableWidget* t);
void TabelleDACAnlegen(QTableWidget* t);
// Grid 1 holds points 1 to 15, grid 2 points 16 to 30.
void createSupportPointTable(QTableWidget* t, int gridTable);

// Writes a data cell, centred.
void setCell(QTableWidget* t, int row, int column, const QString& text);

}  // namespace tables
