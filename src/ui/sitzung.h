#pragma once

#include <QObject>
#include <functional>

#include "link/geraetesitzung.h"
#include "link/portliste.h"
#include "ui/fenster_anzeige.h"
#include "ui/hauptfenster.h"

// One run of the tool with its window: the device session, the main window
// and the handlers of the window's own frames (language, port). Tests drive
// it with the simulated port, virtual time and scripted dialogs.
class Sitzung : public QObject {
    Q_OBJECT

public:
    Sitzung(Port& port, Clock& uhr, Dialogs& dialoge, const QString& programmordner,
            std::function<QStringList()> systemPorts);
    ~Sitzung() override;

    // The window load: settings, port list, port, units, language, timers.
    void laden();

    Hauptfenster& fenster() { return fenster_; }
    FensterAnzeige& anzeige() { return anzeige_; }
    Geraetesitzung& kern() { return kern_; }
    Zeitgeber& timCheckVerb() { return kern_.TimCheckVerb(); }

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
    void oeffnungsfehlerMelden(const PortOeffnung& r);
    void zeigeAufgabe(const char* rahmen);
    void schliesseAufgabe(const char* rahmen);
    // Starts a device operation from the window unless one is running.
    bool frei() const { return !kern_.belegt(); }

    Port& port_;
    Dialogs& dialoge_;
    QString ordner_;
    std::function<QStringList()> systemPorts_;
    Hauptfenster fenster_;
    FensterAnzeige anzeige_;
    Geraetesitzung kern_;
    QVector<NummerierterPort> ports_;

public:
    // The device session's state under the names the handlers use.
    LinkState& zustand = kern_.zustand;
    Einstellungen& einstellungen = kern_.einstellungen;
    Texte& texte = kern_.texte;
    Sprache& sprache = kern_.sprache;
};
