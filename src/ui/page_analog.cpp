#include "config/output_limits.h"
#include "ui/building_blocks.h"
#include "ui/pages.h"

using namespace buildingBlocks;

namespace pages {
namespace {

constexpr int DampingPage = 100;  // ms a page key moves the damping

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

// Each option's check box, then what it sets, row by row, so that the tab
// key goes through the options as they read.
QWidget* options() {
    const auto kgh = [](const char* name) {
        return unit(QLatin1String(name), QStringLiteral("kg/h"));
    };
    const QList<QList<QWidget*>> settings = {
        {list(QStringLiteral("ListAnalogAus"),
              {QStringLiteral("0 - 20 mA"), QStringLiteral("4 - 20 mA"),
               QStringLiteral("0 -   5 V"), QStringLiteral("0 - 10 V")})},
        {textField(QStringLiteral("txtKonfMEW")), kgh("lblinfo_15")},
        {textField(QStringLiteral("txtKonfSchleich")), kgh("lblinfo_28")},
        {slider(QStringLiteral("hscKonfFiltfakt"), outputLimits::DampingMin,
                outputLimits::DampingMax, DampingPage),
         unit(QStringLiteral("lblAnZms"), QString())},
        {list(QStringLiteral("ListKonfErr"), {QStringLiteral("min"), QStringLiteral("max"),
                                              QStringLiteral("down"), QStringLiteral("up")})},
        {list(QStringLiteral("ListUeberlauf"), {QString(), QString()})},
        {textField(QStringLiteral("txtKonfMOG")), kgh("lblinfo_94")},
    };
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    for (int i = 0; i < settings.size(); ++i) {
        g->addWidget(checkBox(element("chkKonfAnalog", i)), i, 0);
        for (int c = 0; c < settings[i].size(); ++c)
            g->addWidget(settings[i][c], i, c + 1);
    }
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
