#include "ui/building_blocks.h"
#include "ui/pages.h"
#include "ui/tables.h"

using namespace buildingBlocks;

namespace pages {
namespace {

QLabel* info(int i) {
    return caption(element("lblinfo", i));
}

QGroupBox* measuringRange() {
    auto* r = frame(QStringLiteral("raMesswert"));
    r->setLayout(grid({
        {info(2), display(QStringLiteral("lblMEW")),
         unit(QStringLiteral("lblinfo_43"), QStringLiteral("kg/h"))},
        {info(3), display(QStringLiteral("lblMOG")),
         unit(QStringLiteral("lblinfo_44"), QStringLiteral("kg/h"))},
        {info(9), display(QStringLiteral("lblSCHLEICH")),
         unit(QStringLiteral("lblinfo_45"), QStringLiteral("kg/h"))},
        {info(4), display(QStringLiteral("lblFILTFAKT"))},
        {info(5), display(QStringLiteral("lblNorm"))},
    }));
    return r;
}

QGroupBox* analogOverview() {
    auto* r = frame(QStringLiteral("raAnaOut"));
    auto* g = grid({
        {info(0), display(QStringLiteral("lblGANAOUT")),
         unit(QStringLiteral("lblinfo_51"), QStringLiteral("mA"))},
        {info(1), display(QStringLiteral("lblERR"))},
    });
    g->addWidget(caption(QStringLiteral("lblUeberlauf")), 2, 0, 1, 3);
    r->setLayout(g);
    return r;
}

QGroupBox* digitalOverview() {
    auto* pulseOutput = frame(QStringLiteral("raImpuls"));
    pulseOutput->setLayout(grid({
        {info(7), display(QStringLiteral("lblPulsWert")),
         unit(QStringLiteral("lblinfo_46"), QStringLiteral("kg/Puls"))},
        {info(8), display(QStringLiteral("lblPulsDauer"))},
        {info(10), polarityPictures("PicImpPolPlus", "PicImpPolMinus")},
    }));
    auto* frequency = frame(QStringLiteral("raFrequenz"));
    frequency->setLayout(grid({
        {info(11), display(QStringLiteral("lblFrequenz")),
         unit(QStringLiteral("lblinfo_52"), QStringLiteral("Hz"))},
        {info(12), display(QStringLiteral("lblFrequenzmin")),
         unit(QStringLiteral("lblinfo_54"), QStringLiteral("Hz"))},
        {info(13), display(QStringLiteral("lblFrequenzmax")),
         unit(QStringLiteral("lblinfo_55"), QStringLiteral("Hz"))},
    }));
    auto* switchOutput = frame(QStringLiteral("raSchalt"));
    switchOutput->setLayout(grid({
        {info(14), display(QStringLiteral("lblSchaltMin")),
         unit(QStringLiteral("lblinfo_47"), QStringLiteral("kg/h"))},
        {info(16), display(QStringLiteral("lblSchaltMax")),
         unit(QStringLiteral("lblinfo_48"), QStringLiteral("kg/h"))},
        {info(17), polarityPictures("PicSchaltPolPlus", "PicSchaltPolMinus")},
    }));
    auto* r = frame(QStringLiteral("raDigiOut"));
    auto* l = new QVBoxLayout(r);
    l->addWidget(pulseOutput);
    l->addWidget(frequency);
    l->addWidget(switchOutput);
    l->addStretch();
    return r;
}

QGroupBox* meter() {
    auto* fault = new QTableWidget;
    fault->setObjectName(QStringLiteral("tabError"));
    tables::TabelleErrorAnlegen(fault);
    auto* r = frame(QStringLiteral("raGeraet"));
    auto* g = grid({
        {info(23), display(QStringLiteral("lblFNr"))},
        {info(6), display(QStringLiteral("lblVersion"))},
        {info(18)},
    });
    g->addWidget(fault, 3, 0, 1, 2);
    r->setLayout(g);
    return r;
}

}  // namespace

QWidget* meterData() {
    auto* page = new QWidget;
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(measuringRange());
    leftColumn->addWidget(analogOverview());
    leftColumn->addWidget(meter());
    auto* l = new QHBoxLayout(page);
    l->addLayout(leftColumn);
    l->addWidget(digitalOverview());
    return page;
}

}  // namespace pages
