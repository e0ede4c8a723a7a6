#include "ui/sitzung.h"

#include <QDir>
#include <QTabWidget>

#include "ui/infotexte.h"

Sitzung::Sitzung(Port& port, Clock& uhr, Dialogs& dialoge, const QString& programmordner,
                 std::function<QStringList()> systemPorts)
    : port_(port),
      dialoge_(dialoge),
      ordner_(programmordner),
      systemPorts_(std::move(systemPorts)),
      anzeige_(fenster_),
      kern_(port, uhr, anzeige_, dialoge) {
    verdrahten();
}

Sitzung::~Sitzung() = default;

QString Sitzung::datei(const QString& name) const {
    return QDir(ordner_).filePath(name);
}

void Sitzung::laden() {
    for (int i = 1; i <= 3; ++i)
        anzeige_.setzeTabAktiv(i, false);
    anzeige_.waehleTab(2);
    for (const char* name : {"raKonfAnaNeu", "raKonfDigiNeu"})
        anzeige_.setzeSichtbarkeit(QLatin1String(name), false);
    anzeige_.zeigeVerbunden(false);
    zustand.PortOk = true;
    einstellungen = einstellungen::lesen(datei(QLatin1String(einstellungen::Dateiname)));
    sprache = spracheAusName(einstellungen.Sprache);
    HardwareTest();
    portWaehlenBeimStart();
    kern_.einheitenLaden(datei(QStringLiteral("UNIT.CON")));
    for (int i : {0, 2, 3})
        anzeige_.setzeMenueAktiv(Menue::mnuhaupt, i, false);
    anzeige_.setzeMenueAktiv(Menue::mnuhaupt, 1, true);
    for (int i : {0, 1})
        anzeige_.setzeMenueAktiv(Menue::mnusicher, i, false);
    anzeige_.setzeAktiv(Element::cmdNDspeichern, false);
    if (zustand.PortOk)
        zustand.Startphase = true;
    else
        anzeige_.setzeStatus(infotexte::schnittstelleWaehlen(sprache));
    const bool gewaehlt = sprachdateiVorhanden();
    anzeige_.setzeSichtbarkeit(QStringLiteral("raSpracheBeginn"), !gewaehlt);
    anzeige_.setzeSichtbarkeit(QStringLiteral("raKopf"), gewaehlt);
    if (gewaehlt) {
        spracheSetzen(sprache);
        if (zustand.PortOk && !zustand.programmEnde) kern_.TimCheckVerb().an();
    }
    for (const char* name :
         {"chkKonfAnalog_6", "txtKonfMOG", "lblinfo_94", "lblKonfMOGAkt", "chkKonfAnalog_5"})
        anzeige_.setzeSichtbarkeit(QLatin1String(name), false);
}

void Sitzung::portWaehlenBeimStart() {
    if (einstellungen.Portnummer == 0) {
        anzeige_.waehleTab(0);
        zeigeAufgabe("raSchnittstellen");
        kern_.TimCheckVerb().aus();
        kern_.setzeCountsTimer(false);
        port_.schliessen();
        zustand.PortOk = false;
        return;
    }
    port_.setCommPort(QString::number(einstellungen.Portname.mid(3).toInt()));
    if (!port_.oeffnen().ok()) {
        einstellungen.Portnummer = 0;
        einstellungenSchreiben();
        zustand.PortOk = false;
    }
}

bool Sitzung::sprachdateiVorhanden() const {
    return !QDir(ordner_)
                .entryList({QStringLiteral("*.spr"), QStringLiteral("*.SPR")}, QDir::Files)
                .isEmpty();
}

void Sitzung::einstellungenSchreiben() {
    einstellungen::schreiben(datei(QLatin1String(einstellungen::Dateiname)), einstellungen);
}

void Sitzung::zeigeAufgabe(const char* rahmen) {
    anzeige_.setzeSichtbar(Element::raAktuell, false);
    anzeige_.setzeSichtbarkeit(QLatin1String(rahmen), true);
}

void Sitzung::schliesseAufgabe(const char* rahmen) {
    anzeige_.setzeSichtbarkeit(QLatin1String(rahmen), false);
    anzeige_.setzeSichtbar(Element::raAktuell, true);
}
