#include "ui/bausteine.h"
#include "ui/seiten.h"

using namespace bausteine;

namespace seiten {
namespace {

// Labels of the current or the new values, one per option, in option order.
QGroupBox* werte(const char* name, const QStringList& labels, QWidget* einheitAnaOut) {
    auto* r = rahmen(QLatin1String(name));
    auto* g = new QGridLayout(r);
    for (int i = 0; i < labels.size(); ++i)
        g->addWidget(anzeige(labels[i]), i, 0);
    if (einheitAnaOut) g->addWidget(einheitAnaOut, 0, 1);
    g->setRowStretch(int(labels.size()), 1);
    return r;
}

QWidget* optionen() {
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    for (int i = 0; i <= 6; ++i)
        g->addWidget(kasten(element("chkKonfAnalog", i)), i, 0);
    g->addWidget(liste(QStringLiteral("ListAnalogAus"),
                       {QStringLiteral("0 - 20 mA"), QStringLiteral("4 - 20 mA"),
                        QStringLiteral("0 -   5 V"), QStringLiteral("0 - 10 V")}),
                 0, 1);
    g->addWidget(textfeld(QStringLiteral("txtKonfMEW")), 1, 1);
    g->addWidget(einheit(QStringLiteral("lblinfo_15"), QStringLiteral("kg/h")), 1, 2);
    g->addWidget(textfeld(QStringLiteral("txtKonfSchleich")), 2, 1);
    g->addWidget(einheit(QStringLiteral("lblinfo_28"), QStringLiteral("kg/h")), 2, 2);
    auto* daempfung = schieber(QStringLiteral("hscKonfFiltfakt"), Qt::Horizontal, 3, 5000);
    g->addWidget(daempfung, 3, 1);
    g->addWidget(einheit(QStringLiteral("lblAnZms"), QString()), 3, 2);
    g->addWidget(
        liste(QStringLiteral("ListKonfErr"), {QStringLiteral("min"), QStringLiteral("max"),
                                              QStringLiteral("down"), QStringLiteral("up")}),
        4, 1);
    g->addWidget(liste(QStringLiteral("ListUeberlauf"), {QString(), QString()}), 5, 1);
    g->addWidget(textfeld(QStringLiteral("txtKonfMOG")), 6, 1);
    g->addWidget(einheit(QStringLiteral("lblinfo_94"), QStringLiteral("kg/h")), 6, 2);
    return w;
}

}  // namespace

QWidget* analogausgang() {
    auto* r = rahmen(QStringLiteral("raKonfAnaOut"));
    auto* spalten = new QHBoxLayout;
    spalten->addWidget(werte("raKonfAnaAktuell",
                             {QStringLiteral("lblKonfAnaOutAkt"), QStringLiteral("lblKonfMEWAkt"),
                              QStringLiteral("lblKonfSchleichAkt"),
                              QStringLiteral("lblKonfFiltfaktAkt"), QStringLiteral("lblKonfErrAkt"),
                              QStringLiteral("lblKonfULAkt"), QStringLiteral("lblKonfMOGAkt")},
                             nullptr));
    spalten->addWidget(optionen(), 1);
    spalten->addWidget(werte("raKonfAnaNeu",
                             {QStringLiteral("lblKonfAnaOutNeu"), QStringLiteral("lblKonfMEWNeu"),
                              QStringLiteral("lblKonfSchleichNeu"),
                              QStringLiteral("lblKonfFiltFaktNeu"), QStringLiteral("lblKonfErrNeu"),
                              QStringLiteral("lblKonfULNeu"), QStringLiteral("lblKonfMOGNeu")},
                             einheit(QStringLiteral("lblinfo_32"), QStringLiteral("mA"))));
    auto* l = new QVBoxLayout(r);
    l->addLayout(spalten);
    l->addWidget(
        zeile({knopf(QStringLiteral("cmdokAnalog")), knopf(QStringLiteral("cmdabbruchanalog"))}));

    auto* seite = new QWidget;
    auto* s = new QHBoxLayout(seite);
    s->addWidget(r, 1);
    s->addWidget(passwort("raPasswortAna", "txtPasswortAna", "cmdPasswortAnapruefen",
                          "cmdPasswortAnaspeichern", "cmdPasswortAnaAbbrechen"));
    return seite;
}

QWidget* passwort(const char* name, const char* box, const char* pruefen, const char* speichern,
                  const char* abbrechen) {
    auto* r = rahmen(QLatin1String(name));
    auto* feld = textfeld(QLatin1String(box));
    feld->setEchoMode(QLineEdit::Password);
    auto* l = new QVBoxLayout(r);
    l->addWidget(feld);
    l->addWidget(knopf(QLatin1String(pruefen)));
    l->addWidget(knopf(QLatin1String(speichern)));
    l->addWidget(knopf(QLatin1String(abbrechen)));
    l->addStretch();
    r->hide();
    return r;
}

}  // namespace seiten
