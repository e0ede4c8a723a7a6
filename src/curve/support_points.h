#pragma once

#include <QString>
#include <QtGlobal>

// The support-point table as the two grids of the service page show it:
// points 1 to 15 in the first grid, 16 to 30 in the second.
namespace supportPoints {

constexpr int PerGrid = 15;
constexpr int Shown = 30;

struct Row {
    QString grid;  // "tabStp_1" or "tabStp_2"
    int row;       // 1 to 15
    QString counts;
    QString flow;
};

// Empty counts and flows stay empty, except the flow of point 1.
Row row(int point, qint32 counts, float flow);

}  // namespace supportPoints
