#include "ui/frm_nd.h"

#include "ui/building_blocks.h"
#include "ui/texte_anwenden.h"

using namespace buildingBlocks;

namespace {

QLabel* info(int i) {
    return caption(element("lblinfo", i));
}

QGroupBox* analogData() {
    auto* r = frame(QStringLiteral("raAnalogdaten"));
    r->setLayout(grid({
        {info(0), display(QStringLiteral("lblNDAnalogausgang")),
         unit(QStringLiteral("lblinfo_8"), QStringLiteral("mA"))},
        {info(1), display(QStringLiteral("lblNDMew")),
         unit(QStringLiteral("lblinfo_20"), QStringLiteral("kg/h"))},
        {info(2), display(QStringLiteral("lblNDMog")),
         unit(QStringLiteral("lblinfo_21"), QStringLiteral("kg/h"))},
        {info(3), display(QStringLiteral("lblNDUL"))},
        {info(4), display(QStringLiteral("lblNDAusgangFehler"))},
        {info(5), display(QStringLiteral("lblNDFilterfaktor"))},
        {info(6), display(QStringLiteral("lblNDSchleichmenge")),
         unit(QStringLiteral("lblinfo_22"), QStringLiteral("kg/h"))},
    }));
    return r;
}

QGroupBox* subFrame(const char* name, std::initializer_list<std::initializer_list<QWidget*>> rows) {
    auto* r = frame(QLatin1String(name));
    r->setLayout(grid(rows));
    return r;
}

QGroupBox* digitalData() {
    auto* r = frame(QStringLiteral("raDigitaldaten"));
    auto* l = new QVBoxLayout(r);
    l->addWidget(
        subFrame("raNDFrequenzstandard", {{info(7), display(QStringLiteral("lblNDFrequenz"))}}));
    l->addWidget(subFrame("raNDFrequenzvariabel",
                          {{info(9), display(QStringLiteral("lblNDFrequenzmin"))},
                           {info(10), display(QStringLiteral("lblNDFrequenzmax"))}}));
    l->addWidget(
        subFrame("raNDImpuls", {{info(11), display(QStringLiteral("lblNDWertigkeit")),
                                 unit(QStringLiteral("lblinfo_17"), QStringLiteral("kg/Puls"))},
                                {info(12), display(QStringLiteral("lblNDDauer"))},
                                {info(13), display(QStringLiteral("lblNDImpulsPol"))}}));
    l->addWidget(
        subFrame("raNDSchalt", {{info(14), display(QStringLiteral("lblNDSchaltMin")),
                                 unit(QStringLiteral("lblinfo_23"), QStringLiteral("kg/h"))},
                                {info(15), display(QStringLiteral("lblNDSchaltMax")),
                                 unit(QStringLiteral("lblinfo_24"), QStringLiteral("kg/h"))},
                                {info(16), display(QStringLiteral("lblNDSchaltPol"))}}));
    l->addStretch();
    return r;
}

}  // namespace

FrmND::FrmND(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmND"));
    setModal(false);
    auto* frameRow = new QHBoxLayout;
    frameRow->addWidget(analogData());
    frameRow->addWidget(digitalData());
    auto* buttons = new QGridLayout;
    const char* names[] = {"cmdNDspeichern", "cmdNDDateispeichern", "cmdNDLesen",
                           "cmdNDAnalog",    "cmdNDDigital",        "cmdNDAbbruch"};
    for (int i = 0; i < 6; ++i)
        buttons->addWidget(button(QLatin1String(names[i])), i / 3, i % 3);
    auto* l = new QVBoxLayout(this);
    l->addLayout(frameRow);
    l->addLayout(buttons);
    setCaptions(this, "frmND", Language::German);
}
