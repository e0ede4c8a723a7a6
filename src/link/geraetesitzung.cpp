#include "link/geraetesitzung.h"

#include "config/einheiten_anzeigen.h"
#include "device/werte_anzeigen.h"
#include "link/messwert_anzeigen.h"
#include "link/starttexte.h"

namespace {

constexpr int CheckVerbMs = 1000;
constexpr int StatusMs = 500;
constexpr int CountsMs = 10;

}  // namespace

Geraetesitzung::Geraetesitzung(Port& port, Clock& uhr, MainView& view, Dialogs& dialoge)
    : port_(port),
      uhr_(uhr),
      view_(view),
      dialoge_(dialoge),
      link_(port, uhr, zustand, ui(), *this),
      timCheckVerb_(uhr.zeitgeber([this] {
          if (belegt()) return;  // tried again a second later
          timCheckVerb_->aus();
          PruefeVerbindung();
      })),
      timStatus_(uhr.zeitgeber([this] { timStatusTick(); })),
      timCounts_(uhr.zeitgeber([this] { timCountsTick(); })) {
    timCheckVerb_->setzeIntervall(CheckVerbMs);
    timStatus_->setzeIntervall(StatusMs);
    timCounts_->setzeIntervall(CountsMs);
}

Geraetesitzung::~Geraetesitzung() = default;

void Geraetesitzung::setzeCountsTimer(bool an) {
    if (an && !zustand.programmEnde)
        timCounts_->an();
    else
        timCounts_->aus();
}

void Geraetesitzung::countsErhalten(quint8 high, quint8 low) {
    MesswertAnzeigen(high, low, live, geraet, view_);
}

void Geraetesitzung::timStatusTick() {
    view_.setzeStatus(starttexte::bitteWarten(sprache));
    view_.setzeLampe(view_.lampe() == Lampe::Grau ? Lampe::Rot : Lampe::Grau);
}

void Geraetesitzung::einheitenLaden(const QString& pfad) {
    einheiten = EinheitenLesen(pfad);
    if (!einheiten.probleme.isEmpty())
        dialoge_.meldung(problemMeldung(einheiten.probleme, sprache), QStringLiteral("UNIT.CON"),
                         Schaltflaechen::Ok, Symbol::Warnung);
    for (int i = 0; i < einheiten.eintraege.size(); ++i)
        for (const char* liste : {"ListeEinheiten", "ListeEinheitenAnz", "ListeEinheitenloesch"})
            view_.setzeEintrag(QLatin1String(liste), i, listentext(einheiten.eintraege[i]));
    Masseinheit& e = einstellungen.einheit;
    // A settings file without a usable unit would divide every flow by zero.
    if (e.Einheit.isEmpty() || !(e.Umrechnungsfaktor > 0)) e = einheiten.eintraege.first();
    EinheitenAnzeigen();
}

void Geraetesitzung::WerteAnzeigen() {
    ::WerteAnzeigen(geraet, einstellungen.einheit, bearbeitung, ui());
}

void Geraetesitzung::EinheitenAnzeigen() {
    ::EinheitenAnzeigen(einstellungen.einheit, view_);
}

void Geraetesitzung::programmBeenden() {
    if (zustand.programmEnde) return;
    zustand.programmEnde = true;
    for (Zeitgeber* z : {timCheckVerb_.get(), timStatus_.get(), timCounts_.get()})
        z->aus();
    dialoge_.programmBeenden();
}
