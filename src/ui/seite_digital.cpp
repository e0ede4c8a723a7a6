#include "ui/bausteine.h"
#include "ui/bilder.h"
#include "ui/seiten.h"

using namespace bausteine;

namespace seiten {
namespace {

QWidget* pol(const char* plus, const char* minus) {
    return zeile({bild(QLatin1String(plus), bilder::polaritaet(true)),
                  bild(QLatin1String(minus), bilder::polaritaet(false))});
}

QGroupBox* werte(const char* name, const char* frequenz, const char* fmin, const char* fmax,
                 const char* impWert, const char* impDauer, QWidget* impPol, const char* schaltMin,
                 const char* schaltMax, QWidget* schaltPol, QWidget* hz) {
    auto* r = rahmen(QLatin1String(name));
    auto* g = raster({
        {anzeige(QLatin1String(frequenz)), hz},
        {anzeige(QLatin1String(fmin))},
        {anzeige(QLatin1String(fmax))},
        {anzeige(QLatin1String(impWert))},
        {anzeige(QLatin1String(impDauer))},
        {impPol},
        {anzeige(QLatin1String(schaltMin))},
        {anzeige(QLatin1String(schaltMax))},
        {schaltPol},
    });
    r->setLayout(g);
    return r;
}

QWidget* optionen() {
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    for (int i = 0; i <= 4; ++i)
        g->addWidget(option(element("optDigital", i)), 2 * i, 0);
    g->addWidget(liste(QStringLiteral("ListFrequenz"),
                       {QStringLiteral("    1 -     100"), QStringLiteral("  10 -   1000")}),
                 0, 1, 2, 1);
    g->addWidget(zeile({textfeld(QStringLiteral("txtFrequenzmin")),
                        einheit(QStringLiteral("lblinfo_37"), QStringLiteral("Hz")),
                        textfeld(QStringLiteral("txtFrequenzmax")),
                        einheit(QStringLiteral("lblinfo_38"), QStringLiteral("Hz"))}),
                 2, 1, 2, 1);
    g->addWidget(zeile({textfeld(QStringLiteral("txtKonfImpWert")),
                        einheit(QStringLiteral("lblinfo_39"), QStringLiteral("kg/Puls")),
                        schieber(QStringLiteral("hscKonfImpDauer"), Qt::Horizontal, 1, 256),
                        einheit(QStringLiteral("lblinfo_40"), QStringLiteral("ms"))}),
                 4, 1);
    g->addWidget(liste(QStringLiteral("ListKonfImpPol"), {QString(), QString()}), 5, 1);
    g->addWidget(zeile({textfeld(QStringLiteral("txtKonfSchaltMin")),
                        einheit(QStringLiteral("lblinfo_41"), QStringLiteral("kg/h")),
                        textfeld(QStringLiteral("txtKonfSchaltMax")),
                        einheit(QStringLiteral("lblinfo_42"), QStringLiteral("kg/h"))}),
                 6, 1);
    g->addWidget(liste(QStringLiteral("ListkonfSchaltPol"), {QString(), QString()}), 7, 1);
    g->setRowStretch(9, 1);
    return w;
}

}  // namespace

QWidget* digitalausgang() {
    auto* r = rahmen(QStringLiteral("raDigitalAus"));
    auto* spalten = new QHBoxLayout;
    spalten->addWidget(werte("raKonfDigiAktuell", "lblKonfFrequenzAkt", "lblFrequenzminAkt",
                             "lblFrequenzmaxAkt", "lblKonfImpWertAkt", "lblKonfImpDauerAkt",
                             pol("PicKonfImpPolPlusAkt", "picKonfImpPolMinusAkt"),
                             "lblKonfSchaltMinAkt", "lblKonfSchaltMaxAkt",
                             pol("PicKonfSchaltPolPlusAkt", "PicKonfSchaltPolMinusAkt"), nullptr));
    spalten->addWidget(optionen(), 1);
    spalten->addWidget(werte("raKonfDigiNeu", "lblKonfFrequenzNeu", "lblFrequenzminNeu",
                             "lblFrequenzmaxNeu", "lblKonfImpWertNeu", "lblKonfImpDauerNeu",
                             pol("picKonfImpPolPlusNeu", "picKonfImpPolMinusNeu"),
                             "lblKonfSchaltMinNeu", "lblKonfSchaltMaxNeu",
                             pol("PicKonfSchaltPolPlusNeu", "PicKonfSchaltPolMinusNeu"),
                             einheit(QStringLiteral("lblinfo_36"), QStringLiteral("Hz"))));
    auto* l = new QVBoxLayout(r);
    l->addLayout(spalten);
    l->addWidget(
        zeile({knopf(QStringLiteral("cmdokdigital")), knopf(QStringLiteral("cmdabbruchdigital"))}));

    auto* seite = new QWidget;
    auto* s = new QHBoxLayout(seite);
    s->addWidget(r, 1);
    s->addWidget(passwort("raPasswortDigi", "txtPasswortDigi", "cmdPasswortDigipruefen",
                          "cmdPasswortDigispeichern", "cmdPasswortDigiAbbrechen"));
    return seite;
}

}  // namespace seiten
