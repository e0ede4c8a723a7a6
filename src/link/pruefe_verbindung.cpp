#include <exception>
#include <functional>

#include "device/eeprom_auswerten.h"
#include "device/tabellen_fuellen.h"
#include "link/anfragen.h"
#include "link/geraetesitzung.h"
#include "link/protocol.h"
#include "link/starttexte.h"
#include "ui/infotexte.h"

namespace {

constexpr double WarteMessgeraet = 35.0;
constexpr double WarteKaltstart = 10.0;
constexpr double WarteReset = 4.0;
constexpr qint32 FilterfaktorOhneGeraet = 46958;

}  // namespace

bool Geraetesitzung::verbindungstest() {
    if (!link_.Verbindungstest()) return false;
    view_.zeigeVerbunden(true);
    view_.setzeStatus(starttexte::verbindungOk(sprache));
    view_.setzeAktiv(Element::cmdNDLesen, true);
    view_.setzeMenueAktiv(Menue::mnudatei, 7, true);
    return true;
}

// No meter answered: the window stays usable for choosing another port and
// for preparing a configuration without a meter.
void Geraetesitzung::ohneMessgeraet() {
    view_.setzeLampe(Lampe::Grau);
    view_.zeigeVerbunden(false);
    view_.setzeSichtbar(Element::raAktuell, false);
    zustand.Verbunden = false;
    const Antwort a =
        dialoge_.meldung(texte[textnr::VerbindungGestoert], texte[textnr::TitelVerbindungGestoert],
                         Schaltflaechen::OkAbbrechen, Symbol::Kritisch);
    if (a == Antwort::Abbrechen) {
        programmBeenden();
        return;
    }
    for (int i : {0, 1})
        view_.setzeMenueAktiv(Menue::mnuhaupt, i, true);
    view_.setzeMenueAktiv(Menue::mnudatei, 1, true);
    view_.setzeMenueAktiv(Menue::mnudatei, 7, false);
    view_.setzeAktiv(Element::cmdNDspeichern, false);
    view_.setzeAktiv(Element::cmdNDLesen, false);
    // A configuration can be prepared without a meter, so its pages open.
    for (int tab = 1; tab <= 3; ++tab)
        view_.setzeTabAktiv(tab, true);
    geraet.MEW = geraet.MOG = float(int(100.0 / einstellungen.einheit.Umrechnungsfaktor));
    geraet.Filterfaktor = FilterfaktorOhneGeraet;
    geraet.Schleichmenge = 0;
}

bool Geraetesitzung::warteAufErstesByte() {
    return link_.warteAufBytes(1, WarteMessgeraet, Ereignisse::Alle, false);
}

// The meter answered the EEPROM request with a single byte: it is reset twice.
void Geraetesitzung::kaltstart() {
    view_.setzeLampe(Lampe::Gruen);
    view_.setzeStatus(QString::fromUtf8(starttexte::Wartezeit10));
    link_.Warten(WarteKaltstart);
    view_.setzeStatus(QString::fromUtf8(starttexte::Kaltstart1));
    link_.senden(anfrage::kaltstartReset());
    link_.Warten(WarteReset);
    view_.setzeStatus(QString::fromUtf8(starttexte::Kaltstart2));
    link_.senden(anfrage::kaltstartReset());
    link_.Warten(WarteReset);
    view_.setzeLaufzeiger(true);
    timStatus_->an();
    port_.inBufferLeeren();
    zustand.Initialisierung = 1;
    warteAufErstesByte();
    timStatus_->aus();
    view_.setzeLaufzeiger(false);
}

void Geraetesitzung::abschliessen() {
    for (int i = 0; i <= 3; ++i)
        view_.setzeMenueAktiv(Menue::mnuhaupt, i, true);
    for (int i : {0, 1, 3})
        view_.setzeMenueAktiv(Menue::mnudatei, i, true);
    view_.setzeMenueAktiv(Menue::mnusicher, 1, true);
    for (int tab = 1; tab <= 3; ++tab)
        view_.setzeTabAktiv(tab, true);
    view_.setzeSichtbar(Element::AnzAnalog, true);
    setzeCountsTimer(true);
    zustand.Startphase = false;
}

void Geraetesitzung::PruefeVerbindung() {
    Vorgang vorgang(zustand);
    // A failure in one step is reported and the next step runs all the same.
    const auto schritt = [this](const std::function<void()>& f) {
        try {
            f();
        } catch (const std::exception& e) {
            view_.setzeMenueAktiv(Menue::mnuhaupt, 0, true);
            ui().laufzeitfehler(QString::fromUtf8(e.what()), QStringLiteral("PruefeVerbindung"));
        }
    };
    bool verbunden = false;
    schritt([&] { verbunden = verbindungstest(); });
    if (!verbunden) {
        ohneMessgeraet();
        return;
    }
    schritt([&] {
        view_.setzeText(QStringLiteral("lblAktMW"), QString());
        view_.setzeText(QStringLiteral("lblANAOUT"), QString());
        port_.inBufferLeeren();
        link_.senden(anfrage::eepromLesen());
        zustand.Initialisierung = 1;
        view_.setzeLaufzeiger(true);
        timStatus_->an();
    });
    schritt([&] {
        warteAufErstesByte();
        timStatus_->aus();
        link_.Warten(protokoll::FesteWartezeit);
    });
    schritt([&] {
        if (port_.inBufferCount() == 1) kaltstart();
    });
    schritt([&] {
        timStatus_->aus();
        port_.input();
        view_.setzeLampe(Lampe::Gruen);
        view_.setzeStatus(starttexte::initialisiert(sprache));
        view_.setzeLaufzeiger(false);
        zustand.Initialisierung = 0;
        view_.setzeSichtbar(Element::raAktuell, true);
        view_.setzeFenstertitel(infotexte::fenstertitel(sprache, einstellungen.Portnummer));
    });
    if (zustand.programmEnde) return;
    bool gelesen = false;
    schritt([&] { gelesen = link_.EEPromLesen(); });
    // The link has already reported a meter that did not deliver its image.
    if (!gelesen) return;
    schritt([&] {
        EEPromAuswerten(zustand.EEPromInhalt, geraet, einstellungen.einheit, ui());
        WerteAnzeigen();
    });
    schritt([&] {
        tabellenFuellen::stuetzpunkte(geraet, view_);
        link_.readError();
        tabellenFuellen::kalibrierung(geraet, view_);
    });
    if (!zustand.programmEnde) abschliessen();
}
