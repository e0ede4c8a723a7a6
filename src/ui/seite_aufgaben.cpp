#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/seiten.h"

using namespace bausteine;

namespace seiten {
namespace {

QPushButton* flagge(const QString& name, Sprache s) {
    auto* b = knopf(name);
    const QPixmap bildchen = bilder::flagge(s);
    b->setIcon(bildchen);
    b->setIconSize(bildchen.size());
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QGroupBox* verborgen(QGroupBox* r) {
    r->hide();
    return r;
}

}  // namespace

QWidget* schnittstellen() {
    auto* parallel = rahmen(QStringLiteral("raparallel"));
    auto* p = new QHBoxLayout(parallel);
    p->addWidget(option(element("optLPT", 0)));
    p->addWidget(option(element("optLPT", 1)));
    auto* combo = new QComboBox;
    combo->setObjectName(QStringLiteral("cbCom"));
    auto* r = verborgen(rahmen(QStringLiteral("raSchnittstellen")));
    auto* g = raster({
        {beschriftung(QStringLiteral("lblinfo_31")), combo},
        {beschriftung(QStringLiteral("lblinfo_33")), anzeige(QStringLiteral("lblPortPfad"))},
        {parallel},
        {knopf(QStringLiteral("cmdSchnittstellen")),
         knopf(QStringLiteral("cmdSchnittstellenAbbruch"))},
    });
    r->setLayout(g);
    return r;
}

QWidget* sprache() {
    auto* r = verborgen(rahmen(QStringLiteral("raSprache")));
    auto* l = new QHBoxLayout(r);
    l->addWidget(flagge(element("ImSprache", 0), Sprache::Deutsch));
    l->addWidget(flagge(element("ImSprache", 1), Sprache::Englisch));
    l->addWidget(flagge(element("ImSprache", 2), Sprache::Franzoesisch));
    l->addStretch();
    l->addWidget(knopf(QStringLiteral("cmdSpracheAbbruch")));
    return r;
}

// Shown before any language is known, so its texts stand in all three languages.
QWidget* spracheBeginn() {
    auto* r = verborgen(rahmen(QStringLiteral("raSpracheBeginn")));
    r->setTitle(QStringLiteral("Sprache / Language / Langue"));
    auto text = [](const char* name, const char* t) {
        auto* l = beschriftung(QLatin1String(name));
        l->setText(QString::fromUtf8(t));
        return l;
    };
    auto* g = raster({
        {flagge(QStringLiteral("ImDeutsch"), Sprache::Deutsch),
         text("lblSpracheDeutsch", "Bitte wählen Sie Ihre Sprache")},
        {flagge(QStringLiteral("ImEng"), Sprache::Englisch),
         text("lblSpracheEnglisch", "Please select language")},
        {flagge(QStringLiteral("ImFranz"), Sprache::Franzoesisch),
         text("lblSpracheFranzoesisch", "Choisissez votre langue s. v. p")},
    });
    auto* abbruch = knopf(QStringLiteral("cmdAbbruch"));
    abbruch->setText(QStringLiteral("abbrechen / abort / interrompre"));
    g->addWidget(abbruch, 3, 1);
    r->setLayout(g);
    return r;
}

QWidget* einheiten() {
    auto* r = verborgen(rahmen(QStringLiteral("raEinheiten")));
    r->setLayout(raster({
        {beschriftung(QStringLiteral("lblinfo_34")), liste(QStringLiteral("ListeEinheiten"), {})},
        {nullptr, knopf(QStringLiteral("cmdEinheitenwahl"))},
    }));
    return r;
}

QWidget* einheitenHinzufuegen() {
    auto* norm = rahmen(QStringLiteral("raNorm"));
    auto* n = new QHBoxLayout(norm);
    n->addWidget(textfeld(QStringLiteral("txtNormzustand")));
    auto* r = verborgen(rahmen(QStringLiteral("raEinheitenAdd")));
    auto* g = raster({
        {beschriftung(QStringLiteral("lblEinheitName")),
         textfeld(QStringLiteral("txtEinheitName"))},
        {beschriftung(QStringLiteral("lblEinheitFaktor")),
         textfeld(QStringLiteral("TxtEinheitFaktor"))},
        {nullptr, norm},
        {beschriftung(QStringLiteral("lblGasart")), textfeld(QStringLiteral("txtGasart"))},
        {knopf(QStringLiteral("cmdEinheitspeichern")),
         knopf(QStringLiteral("cmdEinheitabbrechen"))},
    });
    g->addWidget(liste(QStringLiteral("ListeEinheitenAnz"), {}), 0, 2, 5, 1);
    r->setLayout(g);
    return r;
}

QWidget* einheitenLoeschen() {
    auto* r = verborgen(rahmen(QStringLiteral("raEinheitenloesch")));
    auto* l = new QVBoxLayout(r);
    l->addWidget(liste(QStringLiteral("ListeEinheitenloesch"), {}));
    l->addWidget(knopf(QStringLiteral("cmdEinheitenabbruch")));
    return r;
}

}  // namespace seiten
