#include "ui/tabellen.h"

#include <QHeaderView>

#include "ui/bausteine.h"

namespace tabellen {
namespace {

QTableWidgetItem* zelle(const QString& text, bool fest) {
    auto* z = new QTableWidgetItem(text);
    z->setTextAlignment(Qt::AlignCenter);
    z->setFlags(fest ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (fest) z->setBackground(QColor(0xC0, 0xC0, 0xC0));
    return z;
}

void anlegen(QTableWidget* t, int zeilen, const QList<int>& breiten, const QStringList& kopf,
             const QStringList& zeilenkopf) {
    t->clear();
    t->setRowCount(zeilen);
    t->setColumnCount(int(breiten.size()));
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int breite = 100, hoehe = 100;
    for (int c = 0; c < breiten.size(); ++c) {
        t->setColumnWidth(c, bausteine::px(breiten[c]));
        breite += breiten[c];
    }
    for (int r = 0; r < zeilen; ++r) {
        const int h = r == 0 ? KopfzeileTwips : ZeileTwips;
        t->setRowHeight(r, bausteine::px(h));
        hoehe += h;
        for (int c = 0; c < breiten.size(); ++c) {
            const bool fest = r == 0 || c == 0;
            QString text;
            if (r == 0 && c > 0) text = kopf.value(c - 1);
            if (r > 0 && c == 0) text = zeilenkopf.value(r - 1);
            t->setItem(r, c, zelle(text, fest));
        }
    }
    t->setFixedSize(bausteine::px(breite), bausteine::px(hoehe));
}

}  // namespace

void TabelleErrorAnlegen(QTableWidget* t) {
    anlegen(t, 2, {200, 600, 3000}, {QStringLiteral("Code"), QStringLiteral("Fehler")}, {});
}

void TabelleOFAnlegen(QTableWidget* t) {
    anlegen(
        t, 5, {400, 1000, 1000}, {QStringLiteral("Offset"), QStringLiteral("Faktor")},
        {QStringLiteral("U1"), QStringLiteral("U2"), QStringLiteral("I1"), QStringLiteral("I2")});
}

void TabelleDACAnlegen(QTableWidget* t) {
    anlegen(t, 7, {400, 800, 1200}, {QStringLiteral("Counts"), QStringLiteral("Spannung  [Volt]")},
            {QStringLiteral("U1"), QStringLiteral("U2"), QStringLiteral("U3"), QStringLiteral("I1"),
             QStringLiteral("I2"), QStringLiteral("I3")});
}

void TabelleStpAnlegen(QTableWidget* t, int gitter) {
    QStringList punkte;
    for (int i = 1; i <= StpZeilen; ++i)
        punkte << QString::number(i + (gitter - 1) * StpZeilen);
    anlegen(t, StpZeilen + 1, {400, 800, 1000},
            {QStringLiteral("Counts"), QStringLiteral("Masse [kg/h]")}, punkte);
    t->item(0, 0)->setText(QStringLiteral("Stp"));
}

void setzeZelle(QTableWidget* t, int zeile, int spalte, const QString& text) {
    QTableWidgetItem* z = t->item(zeile, spalte);
    if (z) z->setText(text);
}

}  // namespace tabellen
