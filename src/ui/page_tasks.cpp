#include "ui/building_blocks.h"
#include "ui/pages.h"
#include "ui/pictures.h"

using namespace buildingBlocks;

namespace pages {
namespace {

QPushButton* flag(const QString& name, Language s) {
    auto* b = button(name);
    const QPixmap flagPicture = pictures::flag(s);
    b->setIcon(flagPicture);
    b->setIconSize(flagPicture.size());
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QGroupBox* hidden(QGroupBox* r) {
    r->hide();
    return r;
}

}  // namespace

QWidget* portChoice() {
    auto* parallel = frame(QStringLiteral("raparallel"));
    auto* p = new QHBoxLayout(parallel);
    p->addWidget(option(element("optLPT", 0)));
    p->addWidget(option(element("optLPT", 1)));
    auto* combo = new QComboBox;
    combo->setObjectName(QStringLiteral("cbCom"));
    auto* r = hidden(frame(QStringLiteral("raSchnittstellen")));
    auto* g = grid({
        {caption(QStringLiteral("lblinfo_31")), combo},
        {caption(QStringLiteral("lblinfo_33")), display(QStringLiteral("lblPortPfad"))},
        {parallel},
        {button(QStringLiteral("cmdSchnittstellen")),
         button(QStringLiteral("cmdSchnittstellenAbbruch"))},
    });
    r->setLayout(g);
    return r;
}

QWidget* language() {
    auto* r = hidden(frame(QStringLiteral("raSprache")));
    auto* l = new QHBoxLayout(r);
    l->addWidget(flag(element("ImSprache", 0), Language::German));
    l->addWidget(flag(element("ImSprache", 1), Language::English));
    l->addWidget(flag(element("ImSprache", 2), Language::French));
    l->addStretch();
    l->addWidget(button(QStringLiteral("cmdSpracheAbbruch")));
    return r;
}

// Shown before any language is known, so its texts stand in all three languages.
QWidget* languageAtStart() {
    auto* r = hidden(frame(QStringLiteral("raSpracheBeginn")));
    r->setTitle(QStringLiteral("Sprache / Language / Langue"));
    auto text = [](const char* name, const char* t) {
        auto* l = caption(QLatin1String(name));
        l->setText(QString::fromUtf8(t));
        return l;
    };
    auto* g = grid({
        {flag(QStringLiteral("ImDeutsch"), Language::German),
         text("lblSpracheDeutsch", "Bitte wählen Sie Ihre Sprache")},
        {flag(QStringLiteral("ImEng"), Language::English),
         text("lblSpracheEnglisch", "Please select language")},
        {flag(QStringLiteral("ImFranz"), Language::French),
         text("lblSpracheFranzoesisch", "Choisissez votre langue s. v. p")},
    });
    auto* cancelButton = button(QStringLiteral("cmdAbbruch"));
    cancelButton->setText(QStringLiteral("abbrechen / abort / interrompre"));
    g->addWidget(cancelButton, 3, 1);
    r->setLayout(g);
    return r;
}

QWidget* units() {
    auto* r = hidden(frame(QStringLiteral("raEinheiten")));
    r->setLayout(grid({
        {caption(QStringLiteral("lblinfo_34")), list(QStringLiteral("ListeEinheiten"), {})},
        {nullptr, button(QStringLiteral("cmdEinheitenwahl"))},
    }));
    return r;
}

QWidget* addUnit() {
    auto* norm = frame(QStringLiteral("raNorm"));
    auto* n = new QHBoxLayout(norm);
    n->addWidget(textField(QStringLiteral("txtNormzustand")));
    auto* r = hidden(frame(QStringLiteral("raEinheitenAdd")));
    auto* g = grid({
        {caption(QStringLiteral("lblEinheitName")), textField(QStringLiteral("txtEinheitName"))},
        {caption(QStringLiteral("lblEinheitFaktor")),
         textField(QStringLiteral("TxtEinheitFaktor"))},
        {nullptr, norm},
        {caption(QStringLiteral("lblGasart")), textField(QStringLiteral("txtGasart"))},
        {button(QStringLiteral("cmdEinheitspeichern")),
         button(QStringLiteral("cmdEinheitabbrechen"))},
    });
    g->addWidget(list(QStringLiteral("ListeEinheitenAnz"), {}), 0, 2, 5, 1);
    r->setLayout(g);
    return r;
}

QWidget* deleteUnit() {
    auto* r = hidden(frame(QStringLiteral("raEinheitenloesch")));
    auto* l = new QVBoxLayout(r);
    l->addWidget(list(QStringLiteral("ListeEinheitenloesch"), {}));
    l->addWidget(button(QStringLiteral("cmdEinheitenabbruch")));
    return r;
}

}  // namespace pages
