#include "ui/bausteine.h"
#include "ui/seiten.h"
#include "ui/tabellen.h"

using namespace bausteine;

namespace seiten {
namespace {

QTableWidget* gitter(const QString& name) {
    auto* t = new QTableWidget;
    t->setObjectName(name);
    return t;
}

QGroupBox* stuetzpunkte() {
    auto* tab1 = gitter(element("tabStp", 1));
    auto* tab2 = gitter(element("tabStp", 2));
    tabellen::TabelleStpAnlegen(tab1, 1);
    tabellen::TabelleStpAnlegen(tab2, 2);
    auto* r = rahmen(QStringLiteral("raStp"));
    auto* editor = raster({
        {beschriftung(QStringLiteral("lblinfo_24")), anzeige(QStringLiteral("lblStpNr"))},
        {beschriftung(QStringLiteral("lblinfo_25")), textfeld(QStringLiteral("txtCounts"))},
        {beschriftung(QStringLiteral("lblinfo_26")), textfeld(QStringLiteral("txtFlow"))},
    });
    auto* knoepfe = new QVBoxLayout;
    for (const char* k :
         {"cmdAnders", "cmdlösch", "cmdeinf", "cmdStpSichern", "cmdKennlinie", "cmdDruckeStp"})
        knoepfe->addWidget(knopf(QString::fromUtf8(k)));
    auto* rechts = new QVBoxLayout;
    rechts->addLayout(editor);
    rechts->addLayout(knoepfe);
    auto* l = new QHBoxLayout(r);
    l->addWidget(tab1);
    l->addWidget(tab2);
    l->addWidget(schieber(QStringLiteral("vscrStp"), Qt::Vertical, 1, 30));
    l->addLayout(rechts);
    return r;
}

QGroupBox* abgleich() {
    auto* of = gitter(QStringLiteral("tabOF"));
    auto* dac = gitter(QStringLiteral("tabDAC"));
    tabellen::TabelleDACAnlegen(dac);
    tabellen::TabelleOFAnlegen(of);
    auto* protokoll = new QListWidget;
    protokoll->setObjectName(QStringLiteral("lst_rs232"));
    auto* r = rahmen(QStringLiteral("raAbgleich"));
    auto* g = new QGridLayout(r);
    g->addWidget(beschriftung(QStringLiteral("lblinfo_27")), 0, 0);
    g->addWidget(of, 1, 0);
    g->addWidget(beschriftung(QStringLiteral("lblinfo_29")), 0, 1);
    g->addWidget(dac, 1, 1);
    g->addWidget(beschriftung(QStringLiteral("lblinfo_30")), 0, 2);
    g->addWidget(protokoll, 1, 2);
    g->addWidget(
        zeile({knopf(QStringLiteral("cmdDACReset")), knopf(QStringLiteral("cmdAusdruckEEProm")),
               knopf(QStringLiteral("cmdCounts"))}),
        2, 0, 1, 3);
    return r;
}

}  // namespace

QWidget* service() {
    auto* weitere = rahmen(QStringLiteral("raweiteredaten"));
    auto* l = new QVBoxLayout(weitere);
    l->addWidget(stuetzpunkte());
    l->addWidget(abgleich());
    auto* seite = new QWidget;
    auto* s = new QHBoxLayout(seite);
    s->addWidget(weitere, 1);
    s->addWidget(passwort("raPasswortWD", "txtPasswortWD", "cmdPasswortWDpruefen",
                          "cmdPasswortWDspeichern", "cmdPasswortAbbrechen"));
    return seite;
}

}  // namespace seiten
