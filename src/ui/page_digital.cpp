#include "ui/building_blocks.h"
#include "ui/pages.h"
#include "ui/pictures.h"

using namespace buildingBlocks;

namespace pages {
namespace {

QWidget* polarityPair(const char* plus, const char* minus, const char* name = "") {
    auto* r = row({picture(QLatin1String(plus), pictures::polarity(true)),
                   picture(QLatin1String(minus), pictures::polarity(false))});
    r->setObjectName(QLatin1String(name));
    return r;
}

QGroupBox* values(const char* name, const char* frequency, const char* fmin, const char* fmax,
                  const char* pulseValueLabel, const char* pulseDurationLabel,
                  QWidget* pulsePolarityRow, const char* switchMinLabel, const char* switchMaxLabel,
                  QWidget* switchPolarityRow, QWidget* hz) {
    auto* r = frame(QLatin1String(name));
    auto* g = grid({
        {display(QLatin1String(frequency)), hz},
        {display(QLatin1String(fmin))},
        {display(QLatin1String(fmax))},
        {display(QLatin1String(pulseValueLabel))},
        {display(QLatin1String(pulseDurationLabel))},
        {pulsePolarityRow},
        {display(QLatin1String(switchMinLabel))},
        {display(QLatin1String(switchMaxLabel))},
        {switchPolarityRow},
    });
    r->setLayout(g);
    return r;
}

QWidget* options() {
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    for (int i = 0; i <= 4; ++i)
        g->addWidget(option(element("optDigital", i)), 2 * i, 0);
    g->addWidget(list(QStringLiteral("ListFrequenz"),
                      {QStringLiteral("    1 -     100"), QStringLiteral("  10 -   1000")}),
                 0, 1, 2, 1);
    g->addWidget(row({textField(QStringLiteral("txtFrequenzmin")),
                      unit(QStringLiteral("lblinfo_37"), QStringLiteral("Hz")),
                      textField(QStringLiteral("txtFrequenzmax")),
                      unit(QStringLiteral("lblinfo_38"), QStringLiteral("Hz"))}),
                 2, 1, 2, 1);
    g->addWidget(row({textField(QStringLiteral("txtKonfImpWert")),
                      unit(QStringLiteral("lblinfo_39"), QStringLiteral("kg/Puls")),
                      scrollBar(QStringLiteral("hscKonfImpDauer"), Qt::Horizontal, 0, 256),
                      unit(QStringLiteral("lblinfo_40"), QStringLiteral("ms"))}),
                 4, 1);
    g->addWidget(list(QStringLiteral("ListKonfImpPol"), {QString(), QString()}), 5, 1);
    g->addWidget(row({textField(QStringLiteral("txtKonfSchaltMin")),
                      unit(QStringLiteral("lblinfo_41"), QStringLiteral("kg/h")),
                      textField(QStringLiteral("txtKonfSchaltMax")),
                      unit(QStringLiteral("lblinfo_42"), QStringLiteral("kg/h"))}),
                 6, 1);
    g->addWidget(list(QStringLiteral("ListkonfSchaltPol"), {QString(), QString()}), 7, 1);
    g->setRowStretch(9, 1);
    return w;
}

}  // namespace

QWidget* digitalOutput() {
    auto* r = frame(QStringLiteral("raDigitalAus"));
    auto* columns = new QHBoxLayout;
    columns->addWidget(values("raKonfDigiAktuell", "lblKonfFrequenzAkt", "lblFrequenzminAkt",
                              "lblFrequenzmaxAkt", "lblKonfImpWertAkt", "lblKonfImpDauerAkt",
                              polarityPair("PicKonfImpPolPlusAkt", "picKonfImpPolMinusAkt"),
                              "lblKonfSchaltMinAkt", "lblKonfSchaltMaxAkt",
                              polarityPair("PicKonfSchaltPolPlusAkt", "PicKonfSchaltPolMinusAkt"),
                              nullptr));
    columns->addWidget(options(), 1);
    columns->addWidget(values(
        "raKonfDigiNeu", "lblKonfFrequenzNeu", "lblFrequenzminNeu", "lblFrequenzmaxNeu",
        "lblKonfImpWertNeu", "lblKonfImpDauerNeu",
        polarityPair("picKonfImpPolPlusNeu", "picKonfImpPolMinusNeu", "pulsePolarityNew"),
        "lblKonfSchaltMinNeu", "lblKonfSchaltMaxNeu",
        polarityPair("PicKonfSchaltPolPlusNeu", "PicKonfSchaltPolMinusNeu", "switchPolarityNew"),
        unit(QStringLiteral("lblinfo_36"), QStringLiteral("Hz"))));
    auto* l = new QVBoxLayout(r);
    l->addLayout(columns);
    l->addWidget(
        row({button(QStringLiteral("cmdokdigital")), button(QStringLiteral("cmdabbruchdigital"))}));

    auto* page = new QWidget;
    auto* s = new QHBoxLayout(page);
    s->addWidget(r, 1);
    s->addWidget(password("raPasswortDigi", "txtPasswortDigi", "cmdPasswortDigipruefen",
                          "cmdPasswortDigispeichern", "cmdPasswortDigiAbbrechen"));
    return page;
}

}  // namespace pages
