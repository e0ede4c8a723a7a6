#include <exception>

#include "link/anfragen.h"
#include "link/geraetesitzung.h"
#include "link/protocol.h"
#include "link/starttexte.h"

namespace {

constexpr int StatusJedenZyklus = 5;
constexpr quint8 FehlerUnterspannung = 17;

}  // namespace

void Geraetesitzung::timCountsTick() {
    if (belegt()) return;  // the next tick tries again
    timCounts_->aus();
    Vorgang vorgang(zustand);
    if (++live.Zyklus == StatusJedenZyklus) {
        live.Zyklus = 0;
        StatusAbfragen();
    }
    link_.CountsAnfordern(live.CountsanfAktiv);
}

void Geraetesitzung::StatusAbfragen() {
    try {
        link_.senden(anfrage::fehlerstatus());
        link_.warteAufBytes(protokoll::FehlerAntwortLaenge, protokoll::WarteStatus,
                            Ereignisse::Alle);
        const QByteArray antwort = port_.input();
        if (antwort.isEmpty() || quint8(antwort[0]) != protokoll::DLE) return;
        live.Unterspannung = quint8(antwort.back()) == FehlerUnterspannung;
        // Normal text takes the tooltip's text colour so it stays readable on the tooltip
        // background.
        const Farbe f = live.Unterspannung ? farbe::Rot : farbe::SystemTooltipText;
        view_.setzeTextfarbe(QStringLiteral("lblAktMW"), f);
        view_.setzeTextfarbe(QStringLiteral("lblANAOUT"), f);
        if (live.Unterspannung) view_.setzeStatus(starttexte::unterspannung(sprache));
    } catch (const std::exception& e) {
        dialoge_.meldung(QString::fromUtf8(e.what()), QString(), Schaltflaechen::Ok,
                         Symbol::Kritisch);
    }
}
