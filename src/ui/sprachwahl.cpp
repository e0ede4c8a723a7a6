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
            kern_.programmBeenden();
            return;
        }
    }
    TexteAnwenden(fenster_, s, einstellungen.Portnummer, kern_.geraet.Ueberlauf == 1);
}

void Sitzung::ersteSpracheGewaehlt(Sprache s) {
    anzeige_.setzeSichtbarkeit(QStringLiteral("raKopf"), true);
    spracheSetzen(s);
    if (zustand.programmEnde) return;
    const infotexte::Meldung info = infotexte::erststart(s);
    dialoge_.meldung(info.text, info.titel, Schaltflaechen::Ok, Symbol::Information);
    einstellungenSchreiben();
    anzeige_.setzeSichtbarkeit(QStringLiteral("raSpracheBeginn"), false);
    QFile marke(datei(QLatin1String(Sprachdatei)));
    if (marke.open(QIODevice::WriteOnly)) marke.write(sprachName(s).toLatin1() + "\r\n");
    // Without an open port the check could only report a meter that is not there.
    if (zustand.PortOk) kern_.TimCheckVerb().an();
}

void Sitzung::spracheGewaehlt(Sprache s) {
    spracheSetzen(s);
    if (zustand.programmEnde) return;
    // The words of the configuration follow the language once there is one to show.
    if (zustand.Verbunden) kern_.WerteAnzeigen();
    einstellungenSchreiben();
    schliesseAufgabe("raSprache");
}
