#include <QFrame>

#include "ui/building_blocks.h"
#include "ui/pages.h"
#include "ui/pictures.h"

using namespace buildingBlocks;

namespace pages {

QWidget* header() {
    auto* r = frame(QStringLiteral("raKopf"));
    auto* lamp = new QFrame;
    lamp->setObjectName(QStringLiteral("Lampe"));
    lamp->setFixedSize(px(300), px(300));
    lamp->setStyleSheet(
        QStringLiteral(
            "#Lampe { background: #c0c0c0; border: 1px solid gray; border-radius: %1px; }")
            .arg(px(150)));
    auto* l = new QHBoxLayout(r);
    l->addWidget(caption(QStringLiteral("lblKopfText")));
    l->addStretch();
    l->addWidget(caption(QStringLiteral("lblLampe")));
    l->addWidget(lamp);
    l->addWidget(picture(QStringLiteral("Picconnect"), pictures::plug(true)));
    l->addWidget(picture(QStringLiteral("Picdisconnect"), pictures::plug(false)));
    l->addWidget(picture(QStringLiteral("Picrestart"), pictures::restarting()));
    l->addWidget(caption(QStringLiteral("lblNeustart")));
    return r;
}

namespace {

// A small square whose colour shows whether measured data are being recorded.
QWidget* loggingIndicator() {
    auto* shape = new QFrame;
    shape->setObjectName(QStringLiteral("shpMdSave"));
    shape->setFrameShape(QFrame::Box);
    shape->setFixedSize(px(200), px(200));
    shape->setAutoFillBackground(true);
    QPalette p = shape->palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    shape->setPalette(p);
    return shape;
}

}  // namespace

QWidget* currentValues() {
    auto* r = frame(QStringLiteral("raAktuell"));
    auto* value = display(QStringLiteral("lblAktMW"));
    auto* value1 = display(QStringLiteral("lblAktMW1"));
    auto* analogOut = display(QStringLiteral("lblANAOUT"));
    auto* analogOut1 = display(QStringLiteral("lblANAOUT1"));
    for (QLabel* z : {value, analogOut})
        z->setMinimumWidth(px(400));
    for (QLabel* z : {value1, analogOut1})
        z->setMinimumWidth(px(600));
    QFont bigFont = value->font();
    bigFont.setPointSize(bigFont.pointSize() * 3 / 2);
    bigFont.setBold(true);
    for (QLabel* z : {value, value1, analogOut, analogOut1})
        z->setFont(bigFont);
    auto* g = new QGridLayout(r);
    g->setVerticalSpacing(px(30));
    g->addWidget(caption(QStringLiteral("lblinfo_19")), 0, 0);
    g->addWidget(row({numberField(value, value1),
                      unit(QStringLiteral("lblinfo_49"), QStringLiteral("kg/h"))}),
                 0, 1);
    g->addWidget(caption(QStringLiteral("lblinfo_20")), 0, 2);
    g->addWidget(row({numberField(analogOut, analogOut1),
                      unit(QStringLiteral("lblinfo_50"), QStringLiteral("mA"))}),
                 0, 3);
    g->addWidget(caption(QStringLiteral("lblinfo_21")), 1, 0);
    g->addWidget(bar(QStringLiteral("AnzAnalog")), 1, 1);
    g->addWidget(caption(QStringLiteral("lblinfo_22")), 1, 2);
    g->addWidget(bar(QStringLiteral("AnzSignal")), 1, 3);
    g->addWidget(row({loggingIndicator(), button(QStringLiteral("cmdTrend"))}), 2, 0);
    return r;
}

}  // namespace pages
