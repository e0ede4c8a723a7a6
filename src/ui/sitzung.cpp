#include "ui/sitzung.h"

#include <QComboBox>
#include <QDir>
#include <QTabWidget>

#include "ui/infotexte.h"
#include "ui/texte_anwenden.h"

namespace {

constexpr int CheckVerbMs = 1000;

}  // namespace

Sitzung::Sitzung(Port& port, Clock& uhr, Dialogs& dialoge, const QString& programmordner,
                 std::function<QStringList()> systemPorts)
    : port_(port),
      uhr_(uhr),
      dialoge_(dialoge),
      ordner_(programmordner),
      systemPorts_(std::move(systemPorts)),
      anzeige_(fenster_),
      link_(port, uhr, zustand, {anzeige_, dialoge, texte, sprache}),
      timCheckVerb_(uhr.zeitgeber([this] {
          timCheckVerb_->aus();
          PruefeVerbindung();
      })) {
    timCheckVerb_->setzeIntervall(CheckVerbMs);
    verdrahten();
}

Sitzung::~Sitzung() = default;

QString Sitzung::datei(const QString& name) const {
    return QDir(ordner_).filePath(name);
}

void Sitzung::laden() {
    QTabWidget* tabs = fenster_.regkor2();
    for (int i = 1; i <= 3; ++i)
        tabs->setTabEnabled(i, false);
    tabs->setCurrentIndex(2);
    for (const char* name : {"raKonfAnaNeu", "raKonfDigiNeu"})
        fenster_.element(QLatin1String(name))->hide();
    anzeige_.zeigeVerbunden(false);
    zustand.PortOk = true;
    einstellungen = einstellungen::lesen(datei(QLatin1String(einstellungen::Dateiname)));
    sprache = spracheAusName(einstellungen.Sprache);
    HardwareTest();
    portWaehlenBeimStart();
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
    if (sprachdateiVorhanden()) {
        spracheSetzen(sprache);
        fenster_.element(QStringLiteral("raSpracheBeginn"))->hide();
        fenster_.element(QStringLiteral("raKopf"))->show();
        if (zustand.PortOk) timCheckVerb_->an();
    } else {
        fenster_.element(QStringLiteral("raSpracheBeginn"))->show();
        fenster_.element(QStringLiteral("raKopf"))->hide();
    }
    for (const char* name :
         {"chkKonfAnalog_6", "txtKonfMOG", "lblinfo_94", "lblKonfMOGAkt", "chkKonfAnalog_5"})
        fenster_.element(QLatin1String(name))->hide();
}

void Sitzung::portWaehlenBeimStart() {
    if (einstellungen.Portnummer == 0) {
        fenster_.regkor2()->setCurrentIndex(0);
        zeigeAufgabe("raSchnittstellen");
        timCheckVerb_->aus();
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
    fenster_.element(QStringLiteral("raAktuell"))->hide();
    fenster_.element(QLatin1String(rahmen))->show();
}

void Sitzung::schliesseAufgabe(const char* rahmen) {
    fenster_.element(QLatin1String(rahmen))->hide();
    fenster_.element(QStringLiteral("raAktuell"))->show();
}

void Sitzung::beenden() {
    if (beendet_) return;
    beendet_ = true;
    zustand.programmEnde = true;
    timCheckVerb_->aus();
    dialoge_.programmBeenden();
}

void Sitzung::PruefeVerbindung() {
    link_.Verbindungstest();
}
