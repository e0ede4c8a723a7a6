#include "ui/building_blocks.h"
#include "ui/pages.h"

using namespace buildingBlocks;

namespace pages {
namespace {

// Labels of the current or the new values, one per option, in option order.
QGroupBox* values(const char* name, const QStringList& labels, QWidget* analogOutUnit) {
    auto* r = frame(QLatin1String(name));
    auto* g = new QGridLayout(r);
    for (int i = 0; i < labels.size(); ++i)
        g->addWidget(display(labels[i]), i, 0);
    if (analogOutUnit) g->addWidget(analogOutUnit, 0, 1);
    g->setRowStretch(int(labels.size()), 1);
    return r;
}

QWidget* options() {
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    for (int i = 0; i <= 6; ++i)
        g->addWidget(checkBox(element("chkKonfAnalog", i)), i, 0);
    g->addWidget(list(QStringLiteral("ListAnalogAus"),
                      {QStringLiteral("0 - 20 mA"), QStringLiteral("4 - 20 mA"),
                       QStringLiteral("0 -   5 V"), QStringLiteral("0 - 10 V")}),
                 0, 1);
    g->addWidget(textField(QStringLiteral("txtKonfMEW")), 1, 1);
    g->addWidget(unit(QStringLiteral("lblinfo_15"), QStringLiteral("kg/h")), 1, 2);
    g->addWidget(textField(QStringLiteral("txtKonfSchleich")), 2, 1);
    g->addWidget(unit(QStringLiteral("lblinfo_28"), QStringLiteral("kg/h")), 2, 2);
    auto* damping = scrollBar(QStringLiteral("hscKonfFiltfakt"), Qt::Horizontal, 3, 5000);
    g->addWidget(damping, 3, 1);
    g->addWidget(unit(QStringLiteral("lblAnZms"), QString()), 3, 2);
    g->addWidget(
        list(QStringLiteral("ListKonfErr"), {QStringLiteral("min"), QStringLiteral("max"),
                                             QStringLiteral("down"), QStringLiteral("up")}),
        4, 1);
    g->addWidget(list(QStringLiteral("ListUeberlauf"), {QString(), QString()}), 5, 1);
    g->addWidget(textField(QStringLiteral("txtKonfMOG")), 6, 1);
    g->addWidget(unit(QStringLiteral("lblinfo_94"), QStringLiteral("kg/h")), 6, 2);
    return w;
}

}  // namespace

QWidget* analogOutput() {
    auto* r = frame(QStringLiteral("raKonfAnaOut"));
    auto* columns = new QHBoxLayout;
    columns->addWidget(
        values("raKonfAnaAktuell",
               {QStringLiteral("lblKonfAnaOutAkt"), QStringLiteral("lblKonfMEWAkt"),
                QStringLiteral("lblKonfSchleichAkt"), QStringLiteral("lblKonfFiltfaktAkt"),
                QStringLiteral("lblKonfErrAkt"), QStringLiteral("lblKonfULAkt"),
                QStringLiteral("lblKonfMOGAkt")},
               nullptr));
    columns->addWidget(options(), 1);
    columns->addWidget(
        values("raKonfAnaNeu",
               {QStringLiteral("lblKonfAnaOutNeu"), QStringLiteral("lblKonfMEWNeu"),
                QStringLiteral("lblKonfSchleichNeu"), QStringLiteral("lblKonfFiltFaktNeu"),
                QStringLiteral("lblKonfErrNeu"), QStringLiteral("lblKonfULNeu"),
                QStringLiteral("lblKonfMOGNeu")},
               unit(QStringLiteral("lblinfo_32"), QStringLiteral("mA"))));
    auto* l = new QVBoxLayout(r);
    l->addLayout(columns);
    l->addWidget(
        row({button(QStringLiteral("cmdokAnalog")), button(QStringLiteral("cmdabbruchanalog"))}));

    auto* page = new QWidget;
    auto* s = new QHBoxLayout(page);
    s->addWidget(r, 1);
    s->addWidget(password("raPasswortAna", "txtPasswortAna", "cmdPasswortAnapruefen",
                          "cmdPasswortAnaspeichern", "cmdPasswortAnaAbbrechen"));
    return page;
}

QWidget* password(const char* name, const char* box, const char* check, const char* store,
                  const char* cancel) {
    auto* r = frame(QLatin1String(name));
    auto* field = textField(QLatin1String(box));
    field->setEchoMode(QLineEdit::Password);
    auto* l = new QVBoxLayout(r);
    l->addWidget(field);
    l->addWidget(button(QLatin1String(check)));
    l->addWidget(button(QLatin1String(store)));
    l->addWidget(button(QLatin1String(cancel)));
    l->addStretch();
    r->hide();
    return r;
}

}  // namespace pages
