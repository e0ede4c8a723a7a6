#include "ui/tables.h"

#include <QHeaderView>

#include "ui/building_blocks.h"

namespace tables {
namespace {

QTableWidgetItem* cell(const QString& text, bool fixed) {
    auto* z = new QTableWidgetItem(text);
    z->setTextAlignment(Qt::AlignCenter);
    z->setFlags(fixed ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (fixed) z->setBackground(QColor(0xC0, 0xC0, 0xC0));
    return z;
}

void createTable(QTableWidget* t, int rows, const QList<int>& widths, const QStringList& header,
                 const QStringList& rowHeaders) {
    t->clear();
    t->setRowCount(rows);
    t->setColumnCount(int(widths.size()));
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = 100, height = 100;
    for (int c = 0; c < widths.size(); ++c) {
        t->setColumnWidth(c, buildingBlocks::px(widths[c]));
        width += widths[c];
    }
    for (int r = 0; r < rows; ++r) {
        const int h = r == 0 ? HeaderRowTwips : RowTwips;
        t->setRowHeight(r, buildingBlocks::px(h));
        height += h;
        for (int c = 0; c < widths.size(); ++c) {
            const bool fixed = r == 0 || c == 0;
            QString text;
            if (r == 0 && c > 0) text = header.value(c - 1);
            if (r > 0 && c == 0) text = rowHeaders.value(r - 1);
            t->setItem(r, c, cell(text, fixed));
        }
    }
    t->setFixedSize(buildingBlocks::px(width), buildingBlocks::px(height));
}

}  // namespace

void TabelleErrorAnlegen(QTableWidget* t) {
    createTable(t, 2, {200, 600, 3000}, {QStringLiteral("Code"), QStringLiteral("Fehler")}, {});
}

void TabelleOFAnlegen(QTableWidget* t) {
    createTable(
        t, 5, {400, 1000, 1000}, {QStringLiteral("Offset"), QStringLiteral("Faktor")},
        {QStringLiteral("U1"), QStringLiteral("U2"), QStringLiteral("I1"), QStringLiteral("I2")});
}

void TabelleDACAnlegen(QTableWidget* t) {
    createTable(t, 7, {400, 800, 1200},
                {QStringLiteral("Counts"), QStringLiteral("Spannung  [Volt]")},
                {QStringLiteral("U1"), QStringLiteral("U2"), QStringLiteral("U3"),
                 QStringLiteral("I1"), QStringLiteral("I2"), QStringLiteral("I3")});
}

void createSupportPointTable(QTableWidget* t, int gridTable) {
    QStringList points;
    for (int i = 1; i <= SupportPointRows; ++i)
        points << QString::number(i + (gridTable - 1) * SupportPointRows);
    createTable(t, SupportPointRows + 1, {400, 800, 1000},
                {QStringLiteral("Counts"), QStringLiteral("Masse [kg/h]")}, points);
    t->item(0, 0)->setText(QStringLiteral("Stp"));
}

void setCell(QTableWidget* t, int row, int column, const QString& text) {
    QTableWidgetItem* z = t->item(row, column);
    if (z) z->setText(text);
}

}  // namespace tables
