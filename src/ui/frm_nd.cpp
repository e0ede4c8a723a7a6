#include "ui/frm_nd.h"

#include "ui/bausteine.h"
#include "ui/texte_anwenden.h"

using namespace bausteine;

namespace {

QLabel* info(int i) {
    return beschriftung(element("lblinfo", i));
}

QGroupBox* analogdaten() {
    auto* r = rahmen(QStringLiteral("raAnalogdaten"));
    r->setLayout(raster({
        {info(0), anzeige(QStringLiteral("lblNDAnalogausgang")),
         einheit(QStringLiteral("lblinfo_8"), QStringLiteral("mA"))},
        {info(1), anzeige(QStringLiteral("lblNDMew")),
         einheit(QStringLiteral("lblinfo_20"), QStringLiteral("kg/h"))},
        {info(2), anzeige(QStringLiteral("lblNDMog")),
         einheit(QStringLiteral("lblinfo_21"), QStringLiteral("kg/h"))},
        {info(3), anzeige(QStringLiteral("lblNDUL"))},
        {info(4), anzeige(QStringLiteral("lblNDAusgangFehler"))},
        {info(5), anzeige(QStringLiteral("lblNDFilterfaktor"))},
        {info(6), anzeige(QStringLiteral("lblNDSchleichmenge")),
         einheit(QStringLiteral("lblinfo_22"), QStringLiteral("kg/h"))},
    }));
    return r;
}

QGroupBox* unterrahmen(const char* name,
                       std::initializer_list<std::initializer_list<QWidget*>> zeilen) {
    auto* r = rahmen(QLatin1String(name));
    r->setLayout(raster(zeilen));
    return r;
}

QGroupBox* digitaldaten() {
    auto* r = rahmen(QStringLiteral("raDigitaldaten"));
    auto* l = new QVBoxLayout(r);
    l->addWidget(
        unterrahmen("raNDFrequenzstandard", {{info(7), anzeige(QStringLiteral("lblNDFrequenz"))}}));
    l->addWidget(unterrahmen("raNDFrequenzvariabel",
                             {{info(9), anzeige(QStringLiteral("lblNDFrequenzmin"))},
                              {info(10), anzeige(QStringLiteral("lblNDFrequenzmax"))}}));
    l->addWidget(unterrahmen("raNDImpuls",
                             {{info(11), anzeige(QStringLiteral("lblNDWertigkeit")),
                               einheit(QStringLiteral("lblinfo_17"), QStringLiteral("kg/Puls"))},
                              {info(12), anzeige(QStringLiteral("lblNDDauer"))},
                              {info(13), anzeige(QStringLiteral("lblNDImpulsPol"))}}));
    l->addWidget(
        unterrahmen("raNDSchalt", {{info(14), anzeige(QStringLiteral("lblNDSchaltMin")),
                                    einheit(QStringLiteral("lblinfo_23"), QStringLiteral("kg/h"))},
                                   {info(15), anzeige(QStringLiteral("lblNDSchaltMax")),
                                    einheit(QStringLiteral("lblinfo_24"), QStringLiteral("kg/h"))},
                                   {info(16), anzeige(QStringLiteral("lblNDSchaltPol"))}}));
    l->addStretch();
    return r;
}

}  // namespace

FrmND::FrmND(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("frmND"));
    setModal(false);
    auto* rahmenZeile = new QHBoxLayout;
    rahmenZeile->addWidget(analogdaten());
    rahmenZeile->addWidget(digitaldaten());
    auto* knoepfe = new QGridLayout;
    const char* namen[] = {"cmdNDspeichern", "cmdNDDateispeichern", "cmdNDLesen",
                           "cmdNDAnalog",    "cmdNDDigital",        "cmdNDAbbruch"};
    for (int i = 0; i < 6; ++i)
        knoepfe->addWidget(knopf(QLatin1String(namen[i])), i / 3, i % 3);
    auto* l = new QVBoxLayout(this);
    l->addLayout(rahmenZeile);
    l->addLayout(knoepfe);
    beschriftungenSetzen(this, "frmND", Sprache::Deutsch);
}
