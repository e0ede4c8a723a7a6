#include <QFile>

#include "ui/infotexte.h"
#include "ui/sitzung.h"
#include "ui/texte_anwenden.h"
#include "ui/texte_laden.h"

namespace {

constexpr const char* Sprachdatei = "Q_orbis.SPR";

}  // namespace

void Sitzung::spracheSetzen(Sprache s) {
    sprache = s;
    einstellungen.Sprache = sprachName(s);
    if (!TexteLaden(datei(textdateiName(s)), texte)) {
        const Antwort a = dialoge_.meldung(textdateiFehler(s), textdateiFehlerTitel(s),
                                           Schaltflaechen::OkAbbrechen, Symbol::Warnung);
        if (a == Antwort::Abbrechen) {
            beenden();
            return;
        }
    }
    TexteAnwenden(fenster_, s, einstellungen.Portnummer, geraet.UeberlaufAktiv == 1);
}

void Sitzung::ersteSpracheGewaehlt(Sprache s) {
    fenster_.element(QStringLiteral("raKopf"))->show();
    spracheSetzen(s);
    if (beendet_) return;
    const infotexte::Meldung info = infotexte::erststart(s);
    dialoge_.meldung(info.text, info.titel, Schaltflaechen::Ok, Symbol::Information);
    einstellungenSchreiben();
    fenster_.element(QStringLiteral("raSpracheBeginn"))->hide();
    QFile marke(datei(QLatin1String(Sprachdatei)));
    if (marke.open(QIODevice::WriteOnly)) marke.write(sprachName(s).toLatin1() + "\r\n");
    // Without an open port the check could only report a meter that is not there.
    if (zustand.PortOk) timCheckVerb_->an();
}

void Sitzung::spracheGewaehlt(Sprache s) {
    spracheSetzen(s);
    if (beendet_) return;
    einstellungenSchreiben();
    schliesseAufgabe("raSprache");
}
