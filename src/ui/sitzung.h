#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "device/geraeteparameter.h"
#include "link/clock.h"
#include "link/einstellungen.h"
#include "link/link.h"
#include "link/port.h"
#include "link/portliste.h"
#include "ui/fenster_anzeige.h"
#include "ui/hauptfenster.h"
#include "ui/texte.h"

// One run of the tool: the state of the link and the device, the settings,
// the texts, the main window and its timers. Tests drive it with the
// simulated port, virtual time and scripted dialogs.
class Sitzung : public QObject {
    Q_OBJECT

public:
    Sitzung(Port& port, Clock& uhr, Dialogs& dialoge, const QString& programmordner,
            std::function<QStringList()> systemPorts);
    ~Sitzung() override;

    // The window load: settings, port list, port, language, timers.
    void laden();

    Hauptfenster& fenster() { return fenster_; }
    FensterAnzeige& anzeige() { return anzeige_; }
    Link& link() { return link_; }
    Zeitgeber& timCheckVerb() { return *timCheckVerb_; }

    LinkState zustand;
    Geraeteparameter geraet;
    Einstellungen einstellungen;
    Texte texte;
    Sprache sprache = Sprache::Unbekannt;

    // The connection check that TimCheckVerb starts.
    void PruefeVerbindung();

    // Handlers of the language frames and the port frame.
    void ersteSpracheGewaehlt(Sprache s);
    void spracheGewaehlt(Sprache s);
    void portGewaehlt(int listenindex);
    void parallelportGewaehlt(int index);
    void schnittstelleBestaetigt();
    void schnittstelleKonfigurieren();
    void verbinden();

    QString datei(const QString& name) const;
    QString portsOrdner() const { return datei(QStringLiteral("ports")); }

private:
    void verdrahten();
    void verdrahteMenues();
    void verdrahteRahmen();
    void HardwareTest();
    void portWaehlenBeimStart();
    bool sprachdateiVorhanden() const;
    void spracheSetzen(Sprache s);
    void einstellungenSchreiben();
    void portOeffnenMitMeldung();
    void oeffnungsfehlerMelden(const PortOeffnung& r);
    void zeigeAufgabe(const char* rahmen);
    void schliesseAufgabe(const char* rahmen);
    void beenden();

    Port& port_;
    Clock& uhr_;
    Dialogs& dialoge_;
    QString ordner_;
    std::function<QStringList()> systemPorts_;
    Hauptfenster fenster_;
    FensterAnzeige anzeige_;
    Link link_;
    std::unique_ptr<Zeitgeber> timCheckVerb_;
    QVector<NummerierterPort> ports_;
    bool beendet_ = false;
};
