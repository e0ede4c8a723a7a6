#include "config/output_limits.h"
#include "ui/building_blocks.h"
#include "ui/pages.h"

using namespace buildingBlocks;

namespace pages {
namespace {

constexpr int PulsePage = 10;  // ms a page key moves the pulse duration

QWidget* polarityPair(const char* plus, const char* minus, const char* name = "") {
    QWidget* r = polarityPictures(plus, minus);
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

// The pulse duration on a line of its own, wide enough for a pixel a millisecond.
QWidget* pulseDuration() {
    QScrollBar* bar = everyValueReachable(
        slider(QStringLiteral("hscKonfImpDauer"), 0, outputLimits::PulseDurationMax, PulsePage));
    QWidget* r = row({bar, unit(QStringLiteral("lblinfo_40"), QStringLiteral("ms"))});
    static_cast<QBoxLayout*>(r->layout())->setStretchFactor(bar, 1);
    return r;
}

// Each output's option on the line of its first input, its other inputs on the lines below,
// so that the tab key goes through the outputs as they read.
QWidget* options() {
    auto* w = new QWidget;
    auto* g = new QGridLayout(w);
    int line = 0;
    const auto output = [g, &line](int i, std::initializer_list<QWidget*> inputs) {
        const int first = line;
        g->addWidget(option(element("optDigital", i)), line, 0);
        for (QWidget* input : inputs)
            g->addWidget(input, line++, 1);
        line = qMax(line, first + 1);
    };
    output(0, {list(QStringLiteral("ListFrequenz"),
                    {QStringLiteral("    1 -     100"), QStringLiteral("  10 -   1000")})});
    output(1, {row({textField(QStringLiteral("txtFrequenzmin")),
                    unit(QStringLiteral("lblinfo_37"), QStringLiteral("Hz")),
                    textField(QStringLiteral("txtFrequenzmax")),
                    unit(QStringLiteral("lblinfo_38"), QStringLiteral("Hz"))})});
    output(2, {row({textField(QStringLiteral("txtKonfImpWert")),
                    unit(QStringLiteral("lblinfo_39"), QStringLiteral("kg/Puls"))}),
               pulseDuration(), list(QStringLiteral("ListKonfImpPol"), {QString(), QString()})});
    output(3, {row({textField(QStringLiteral("txtKonfSchaltMin")),
                    unit(QStringLiteral("lblinfo_41"), QStringLiteral("kg/h")),
                    textField(QStringLiteral("txtKonfSchaltMax")),
                    unit(QStringLiteral("lblinfo_42"), QStringLiteral("kg/h"))}),
               list(QStringLiteral("ListkonfSchaltPol"), {QString(), QString()})});
    output(4, {});
    g->setRowStretch(line, 1);
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
