#include "ui/building_blocks.h"
#include "ui/pages.h"
#include "ui/tables.h"

using namespace buildingBlocks;

namespace pages {
namespace {

QTableWidget* gridTable(const QString& name) {
    auto* t = new QTableWidget;
    t->setObjectName(name);
    return t;
}

QGroupBox* supportPointFrame() {
    auto* tab1 = gridTable(element("tabStp", 1));
    auto* tab2 = gridTable(element("tabStp", 2));
    tables::createSupportPointTable(tab1, 1);
    tables::createSupportPointTable(tab2, 2);
    auto* r = frame(QStringLiteral("raStp"));
    auto* editor = grid({
        {caption(QStringLiteral("lblinfo_24")), display(QStringLiteral("lblStpNr"))},
        {caption(QStringLiteral("lblinfo_25")), textField(QStringLiteral("txtCounts"))},
        {caption(QStringLiteral("lblinfo_26")), textField(QStringLiteral("txtFlow"))},
    });
    auto* buttons = new QVBoxLayout;
    for (const char* k :
         {"cmdAnders", "cmdlösch", "cmdeinf", "cmdStpSichern", "cmdKennlinie", "cmdDruckeStp"})
        buttons->addWidget(button(QString::fromUtf8(k)));
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addLayout(editor);
    rightColumn->addLayout(buttons);
    auto* l = new QHBoxLayout(r);
    l->addWidget(tab1);
    l->addWidget(tab2);
    l->addWidget(scrollBar(QStringLiteral("vscrStp"), Qt::Vertical, 1, 30));
    l->addLayout(rightColumn);
    return r;
}

QGroupBox* trimming() {
    auto* of = gridTable(QStringLiteral("tabOF"));
    auto* dac = gridTable(QStringLiteral("tabDAC"));
    tables::TabelleDACAnlegen(dac);
    tables::TabelleOFAnlegen(of);
    auto* transcript = new QListWidget;
    transcript->setObjectName(QStringLiteral("lst_rs232"));
    auto* r = frame(QStringLiteral("raAbgleich"));
    auto* g = new QGridLayout(r);
    g->addWidget(caption(QStringLiteral("lblinfo_27")), 0, 0);
    g->addWidget(of, 1, 0);
    g->addWidget(caption(QStringLiteral("lblinfo_29")), 0, 1);
    g->addWidget(dac, 1, 1);
    g->addWidget(caption(QStringLiteral("lblinfo_30")), 0, 2);
    g->addWidget(transcript, 1, 2);
    g->addWidget(
        row({button(QStringLiteral("cmdDACReset")), button(QStringLiteral("cmdAusdruckEEProm")),
             button(QStringLiteral("cmdCounts"))}),
        2, 0, 1, 3);
    return r;
}

}  // namespace

QWidget* service() {
    auto* moreData = frame(QStringLiteral("raweiteredaten"));
    auto* l = new QVBoxLayout(moreData);
    l->addWidget(supportPointFrame());
    l->addWidget(trimming());
    auto* page = new QWidget;
    auto* s = new QHBoxLayout(page);
    s->addWidget(moreData, 1);
    s->addWidget(password("raPasswortWD", "txtPasswortWD", "cmdPasswortWDpruefen",
                          "cmdPasswortWDspeichern", "cmdPasswortAbbrechen"));
    return page;
}

}  // namespace pages
