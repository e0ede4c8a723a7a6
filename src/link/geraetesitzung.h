#pragma once

#include <memory>

#include "config/bearbeitung.h"
#include "config/einheitentabelle.h"
#include "device/geraeteparameter.h"
#include "link/clock.h"
#include "link/einstellungen.h"
#include "link/link.h"
#include "link/live_werte.h"
#include "link/messzyklus.h"
#include "link/port.h"
#include "ui/oberflaeche.h"

// The tool's state and its work with the meter, without a window: the link,
// the device parameters, the settings, the texts, the live values and the
// timers that drive the start-up and the polling. The window shows what it
// reports through MainView.
class Geraetesitzung : public Messzyklus {
public:
    Geraetesitzung(Port& port, Clock& uhr, MainView& view, Dialogs& dialoge);
    ~Geraetesitzung() override;

    LinkState zustand;
    Geraeteparameter geraet;
    Einstellungen einstellungen;
    Texte texte;
    Sprache sprache = Sprache::Unbekannt;
    LiveWerte live;
    Bearbeitung bearbeitung;
    Einheitentabelle einheiten;

    Link& link() { return link_; }
    Oberflaeche ui() { return {view_, dialoge_, texte, sprache}; }
    Zeitgeber& TimCheckVerb() { return *timCheckVerb_; }
    Zeitgeber& timStatus() { return *timStatus_; }
    Zeitgeber& TimCounts() { return *timCounts_; }
    // An exchange with the meter is running; nothing may start another.
    bool belegt() const { return zustand.vorgaenge > 0; }

    // Checks the connection, cold-starts the meter when needed, reads and
    // shows its EEPROM and starts the polling.
    void PruefeVerbindung();
    // Reads UNIT.CON and takes the current unit from the settings.
    void einheitenLaden(const QString& pfad);
    void WerteAnzeigen();
    void EinheitenAnzeigen();
    void programmBeenden();

    // Messzyklus
    void setzeCountsTimer(bool an) override;
    void countsErhalten(quint8 high, quint8 low) override;

private:
    bool verbindungstest();
    void kaltstart();
    bool warteAufErstesByte();
    void abschliessen();
    void ohneMessgeraet();
    void timCountsTick();
    void timStatusTick();
    void StatusAbfragen();

    Port& port_;
    Clock& uhr_;
    MainView& view_;
    Dialogs& dialoge_;
    Link link_;
    std::unique_ptr<Zeitgeber> timCheckVerb_;
    std::unique_ptr<Zeitgeber> timStatus_;
    std::unique_ptr<Zeitgeber> timCounts_;
};

// Marks an exchange with the meter as running while it lives.
class Vorgang {
public:
    explicit Vorgang(LinkState& s) : s_(s) { ++s_.vorgaenge; }
    ~Vorgang() { --s_.vorgaenge; }
    Vorgang(const Vorgang&) = delete;
    Vorgang& operator=(const Vorgang&) = delete;

private:
    LinkState& s_;
};
