#include "ui/frm_counts.h"

#include <QVBoxLayout>

#include "ui/building_blocks.h"
#include "ui/texte_anwenden.h"

using namespace buildingBlocks;

namespace {

QGroupBox* averages() {
    auto* r = frame(QStringLiteral("raMittelwerte"));
    r->setLayout(grid({
        {caption(element("lblinfo", 1)), textField(QStringLiteral("txtMittelwerte")),
         checkBox(QStringLiteral("chkMittelwert"))},
        {bar(QStringLiteral("AnzeigeAnzW"))},
        {caption(element("lblinfo", 2)), display(QStringLiteral("lblMittelwert"))},
        {caption(element("lblinfo", 3)), display(QStringLiteral("lblMinWert")),
         display(QStringLiteral("lblMinwertDiff"))},
        {caption(element("lblinfo", 4)), display(QStringLiteral("lblMaxWert")),
         display(QStringLiteral("lblMaxwertDiff"))},
    }));
    return r;
}

}  // namespace

FrmCounts::FrmCounts(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCounts"));
    setModal(false);
    auto* l = new QVBoxLayout(this);
    l->addWidget(row({checkBox(QStringLiteral("chkCountsanf")), caption(element("lblinfo", 0)),
                      display(QStringLiteral("lblCountsanf"))}));
    l->addWidget(averages());
    setCaptions(this, "frmCounts", Language::German);
}
