#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/seiten.h"
#include "ui/tabellen.h"

using namespace bausteine;

namespace seiten {
namespace {

QLabel* info(int i) {
    return beschriftung(element("lblinfo", i));
}

QWidget* polaritaetsbilder(const char* plus, const char* minus) {
    return zeile({bild(QLatin1String(plus), bilder::polaritaet(true)),
                  bild(QLatin1String(minus), bilder::polaritaet(false))});
}

QGroupBox* messbereich() {
    auto* r = rahmen(QStringLiteral("raMesswert"));
    r->setLayout(raster({
        {info(2), anzeige(QStringLiteral("lblMEW")),
         einheit(QStringLiteral("lblinfo_43"), QStringLiteral("kg/h"))},
        {info(3), anzeige(QStringLiteral("lblMOG")),
         einheit(QStringLiteral("lblinfo_44"), QStringLiteral("kg/h"))},
        {info(9), anzeige(QStringLiteral("lblSCHLEICH")),
         einheit(QStringLiteral("lblinfo_45"), QStringLiteral("kg/h"))},
        {info(4), anzeige(QStringLiteral("lblFILTFAKT"))},
        {info(5), anzeige(QStringLiteral("lblNorm"))},
    }));
    return r;
}

QGroupBox* analogUebersicht() {
    auto* r = rahmen(QStringLiteral("raAnaOut"));
    auto* g = raster({
        {info(0), anzeige(QStringLiteral("lblGANAOUT")),
         einheit(QStringLiteral("lblinfo_51"), QStringLiteral("mA"))},
        {info(1), anzeige(QStringLiteral("lblERR"))},
    });
    g->addWidget(beschriftung(QStringLiteral("lblUeberlauf")), 2, 0, 1, 3);
    r->setLayout(g);
    return r;
}

QGroupBox* digitalUebersicht() {
    auto* impuls = rahmen(QStringLiteral("raImpuls"));
    impuls->setLayout(raster({
        {info(7), anzeige(QStringLiteral("lblPulsWert")),
         einheit(QStringLiteral("lblinfo_46"), QStringLiteral("kg/Puls"))},
        {info(8), anzeige(QStringLiteral("lblPulsDauer"))},
        {info(10), polaritaetsbilder("PicImpPolPlus", "PicImpPolMinus")},
    }));
    auto* frequenz = rahmen(QStringLiteral("raFrequenz"));
    frequenz->setLayout(raster({
        {info(11), anzeige(QStringLiteral("lblFrequenz")),
         einheit(QStringLiteral("lblinfo_52"), QStringLiteral("Hz"))},
        {info(12), anzeige(QStringLiteral("lblFrequenzmin")),
         einheit(QStringLiteral("lblinfo_54"), QStringLiteral("Hz"))},
        {info(13), anzeige(QStringLiteral("lblFrequenzmax")),
         einheit(QStringLiteral("lblinfo_55"), QStringLiteral("Hz"))},
    }));
    auto* schalt = rahmen(QStringLiteral("raSchalt"));
    schalt->setLayout(raster({
        {info(14), anzeige(QStringLiteral("lblSchaltMin")),
         einheit(QStringLiteral("lblinfo_47"), QStringLiteral("kg/h"))},
        {info(16), anzeige(QStringLiteral("lblSchaltMax")),
         einheit(QStringLiteral("lblinfo_48"), QStringLiteral("kg/h"))},
        {info(17), polaritaetsbilder("PicSchaltPolPlus", "PicSchaltPolMinus")},
    }));
    auto* r = rahmen(QStringLiteral("raDigiOut"));
    auto* l = new QVBoxLayout(r);
    l->addWidget(impuls);
    l->addWidget(frequenz);
    l->addWidget(schalt);
    l->addStretch();
    return r;
}

QGroupBox* geraet() {
    auto* fehler = new QTableWidget;
    fehler->setObjectName(QStringLiteral("tabError"));
    tabellen::TabelleErrorAnlegen(fehler);
    auto* r = rahmen(QStringLiteral("raGeraet"));
    auto* g = raster({
        {info(23), anzeige(QStringLiteral("lblFNr"))},
        {info(6), anzeige(QStringLiteral("lblVersion"))},
        {info(18)},
    });
    g->addWidget(fehler, 3, 0, 1, 2);
    r->setLayout(g);
    return r;
}

}  // namespace

QWidget* geraetedaten() {
    auto* seite = new QWidget;
    auto* links = new QVBoxLayout;
    links->addWidget(messbereich());
    links->addWidget(analogUebersicht());
    links->addWidget(geraet());
    auto* l = new QHBoxLayout(seite);
    l->addLayout(links);
    l->addWidget(digitalUebersicht());
    return seite;
}

}  // namespace seiten
