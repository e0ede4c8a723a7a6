#include "config/output_limits.h"
#include "ui/building_blocks.h"
#include "ui/pages.h"

using namespace buildingBlocks;

namespace pages {
namespace {

constexpr int DampingPage = 100;  // ms a page key moves the damping

// The columns of the page: the meter's value, the option, what it sets with
// its unit, and the value a write sets with its unit.
enum Column { Current, Option, Input, InputUnit, New, NewUnit };

// One option's line.
struct Line {
    const char* current;
    QWidget* input;
    QWidget* unit;  // beside the input, or none
    const char* next;
};

QList<Line> lines() {
    const auto kgh = [](const char* name) {
        return unit(QLatin1String(name), QStringLiteral("kg/h"));
    };
    return {
        {"lblKonfAnaOutAkt",
         list(QStringLiteral("ListAnalogAus"),
              {QStringLiteral("0 - 20 mA"), QStringLiteral("4 - 20 mA"),
               QStringLiteral("0 -   5 V"), QStringLiteral("0 - 10 V")}),
         nullptr, "lblKonfAnaOutNeu"},
        {"lblKonfMEWAkt", textField(QStringLiteral("txtKonfMEW")), kgh("lblinfo_15"),
         "lblKonfMEWNeu"},
        {"lblKonfSchleichAkt", textField(QStringLiteral("txtKonfSchleich")), kgh("lblinfo_28"),
         "lblKonfSchleichNeu"},
        {"lblKonfFiltfaktAkt",
         slider(QStringLiteral("hscKonfFiltfakt"), outputLimits::DampingMin,
                outputLimits::DampingMax, DampingPage),
         unit(QStringLiteral("lblAnZms"), QString()), "lblKonfFiltFaktNeu"},
        {"lblKonfErrAkt",
         list(QStringLiteral("ListKonfErr"), {QStringLiteral("min"), QStringLiteral("max"),
                                              QStringLiteral("down"), QStringLiteral("up")}),
         nullptr, "lblKonfErrNeu"},
        {"lblKonfULAkt", list(QStringLiteral("ListUeberlauf"), {QString(), QString()}), nullptr,
         "lblKonfULNeu"},
        {"lblKonfMOGAkt", textField(QStringLiteral("txtKonfMOG")), kgh("lblinfo_94"),
         "lblKonfMOGNeu"},
    };
}

// The meter's values, the options and the new values share one grid, so that
// each option keeps its values on its line whatever is ticked, shown or
// hidden. Line by line, so that the tab key goes through the options as they
// read.
QWidget* options() {
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    g->addWidget(caption(QStringLiteral("raKonfAnaAktuell")), 0, Current);
    g->addWidget(caption(QStringLiteral("raKonfAnaNeu")), 0, New, 1, 2);
    const QList<Line> all = lines();
    for (int i = 0; i < all.size(); ++i) {
        const Line& l = all[i];
        g->addWidget(display(QLatin1String(l.current)), i + 1, Current, Qt::AlignVCenter);
        g->addWidget(checkBox(element("chkKonfAnalog", i)), i + 1, Option);
        g->addWidget(l.input, i + 1, Input);
        if (l.unit) g->addWidget(l.unit, i + 1, InputUnit, Qt::AlignVCenter);
        g->addWidget(display(QLatin1String(l.next)), i + 1, New, Qt::AlignVCenter);
    }
    g->addWidget(unit(QStringLiteral("lblinfo_32"), QStringLiteral("mA")), 1, NewUnit,
                 Qt::AlignVCenter);
    g->setColumnStretch(Input, 1);
    g->setRowStretch(int(all.size()) + 1, 1);
    return w;
}

}  // namespace

QWidget* analogOutput() {
    auto* r = frame(QStringLiteral("raKonfAnaOut"));
    auto* l = new QVBoxLayout(r);
    l->addWidget(options());
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
