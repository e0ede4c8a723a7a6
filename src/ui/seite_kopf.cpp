#include <QFrame>

#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/seiten.h"

using namespace bausteine;

namespace seiten {

QWidget* kopf() {
    auto* r = rahmen(QStringLiteral("raKopf"));
    auto* lampe = new QFrame;
    lampe->setObjectName(QStringLiteral("Lampe"));
    lampe->setFixedSize(px(300), px(300));
    lampe->setStyleSheet(
        QStringLiteral(
            "#Lampe { background: #c0c0c0; border: 1px solid gray; border-radius: %1px; }")
            .arg(px(150)));
    auto* l = new QHBoxLayout(r);
    l->addWidget(beschriftung(QStringLiteral("lblKopfText")));
    l->addStretch();
    l->addWidget(beschriftung(QStringLiteral("lblLampe")));
    l->addWidget(lampe);
    l->addWidget(bild(QStringLiteral("Picconnect"), bilder::stecker(true)));
    l->addWidget(bild(QStringLiteral("Picdisconnect"), bilder::stecker(false)));
    return r;
}

QWidget* aktuell() {
    auto* r = rahmen(QStringLiteral("raAktuell"));
    auto* wert = anzeige(QStringLiteral("lblAktMW"));
    auto* wert1 = anzeige(QStringLiteral("lblAktMW1"));
    auto* aus = anzeige(QStringLiteral("lblANAOUT"));
    auto* aus1 = anzeige(QStringLiteral("lblANAOUT1"));
    for (QLabel* z : {wert, aus})
        z->setMinimumWidth(px(400));
    for (QLabel* z : {wert1, aus1})
        z->setMinimumWidth(px(600));
    QFont gross = wert->font();
    gross.setPointSize(gross.pointSize() * 3 / 2);
    gross.setBold(true);
    for (QLabel* z : {wert, wert1, aus, aus1})
        z->setFont(gross);
    auto* g = new QGridLayout(r);
    g->setVerticalSpacing(px(30));
    g->addWidget(beschriftung(QStringLiteral("lblinfo_19")), 0, 0);
    g->addWidget(
        zeile({zahlfeld(wert, wert1), einheit(QStringLiteral("lblinfo_49"), QStringLiteral("kg/h"))}), 0, 1);
    g->addWidget(beschriftung(QStringLiteral("lblinfo_20")), 0, 2);
    g->addWidget(zeile({zahlfeld(aus, aus1), einheit(QStringLiteral("lblinfo_50"), QStringLiteral("mA"))}), 0,
                 3);
    g->addWidget(beschriftung(QStringLiteral("lblinfo_21")), 1, 0);
    g->addWidget(balken(QStringLiteral("AnzAnalog")), 1, 1);
    g->addWidget(beschriftung(QStringLiteral("lblinfo_22")), 1, 2);
    g->addWidget(balken(QStringLiteral("AnzSignal")), 1, 3);
    return r;
}

}  // namespace seiten
