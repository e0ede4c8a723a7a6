#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>
#include <exception>

#include "ui/portwahl_texte.h"
#include "ui/sitzung.h"
#include "ui/texte.h"

void Sitzung::HardwareTest() {
    auto* liste = fenster_.element<QComboBox>(QStringLiteral("cbCom"));
    const QSignalBlocker ruhe(liste);
    liste->clear();
    try {
        ports_ = portsNummerieren(systemPorts_(), portsOrdner());
    } catch (const std::exception& e) {
        ports_.clear();
        dialoge_.meldung(hardwaretestFehler(QString::fromLocal8Bit(e.what())), QString(),
                         Schaltflaechen::Ok, Symbol::Kritisch);
    }
    for (const NummerierterPort& p : ports_)
        liste->addItem(QString::number(p.nummer));
    const int gewaehlt = liste->findText(QString::number(einstellungen.Portnummer));
    if (gewaehlt >= 0) liste->setCurrentIndex(gewaehlt);
    fenster_.element<QLabel>(QStringLiteral("lblPortPfad"))
        ->setText(ports_.value(liste->currentIndex()).pfad);
}

void Sitzung::portGewaehlt(int listenindex) {
    if (listenindex < 0 || listenindex >= ports_.size()) return;
    const QString text = QString::number(ports_[listenindex].nummer);
    port_.setCommPort(text);
    einstellungen.Portname = QStringLiteral("Com") + text;
    einstellungen.Portnummer = text.toInt();
    fenster_.element<QLabel>(QStringLiteral("lblPortPfad"))->setText(ports_[listenindex].pfad);
    einstellungenSchreiben();
}

void Sitzung::parallelportGewaehlt(int index) {
    einstellungen.Parallelport = index == 0 ? QStringLiteral("LPT1") : QStringLiteral("LPT2");
    einstellungenSchreiben();
}

void Sitzung::schnittstelleKonfigurieren() {
    if (!frei()) return;
    anzeige_.waehleTab(0);
    HardwareTest();
    zeigeAufgabe("raSchnittstellen");
    kern_.TimCheckVerb().aus();
    kern_.setzeCountsTimer(false);
    port_.schliessen();
}

void Sitzung::verbinden() {
    if (!frei()) return;
    kern_.setzeCountsTimer(false);
    if (!port_.portOpen()) port_.oeffnen();
    kern_.TimCheckVerb().an();
}

void Sitzung::schnittstelleBestaetigt() {
    anzeige_.setzeSichtbarkeit(QStringLiteral("raSchnittstellen"), false);
    port_.setCommPort(QString::number(einstellungen.Portnummer));
    const PortOeffnung r = port_.oeffnen();
    if (!r.ok()) {
        oeffnungsfehlerMelden(r);
        return;
    }
    zustand.PortOk = true;
    kern_.TimCheckVerb().an();
}

void Sitzung::oeffnungsfehlerMelden(const PortOeffnung& r) {
    const QString titel = texte[textnr::TitelPort];
    switch (r.fehler) {
        case PortFehler::KeineBerechtigung: {
            const QString pfad =
                ports_.isEmpty() ? port_.commPort()
                                 : fenster_.element<QLabel>(QStringLiteral("lblPortPfad"))->text();
            dialoge_.meldung(texte[textnr::PortBelegt] + QStringLiteral("\r\n") +
                                 fehlendeGruppe(sprache, pfad, QFileInfo(pfad).group()),
                             titel, Schaltflaechen::Ok, Symbol::Kritisch);
            break;
        }
        case PortFehler::Belegt:
            dialoge_.meldung(texte[textnr::PortBelegt], titel, Schaltflaechen::Ok,
                             Symbol::Kritisch);
            break;
        case PortFehler::NichtVorhanden:
            dialoge_.meldung(texte[textnr::PortUngueltig], titel, Schaltflaechen::Ok,
                             Symbol::Kritisch);
            break;
        case PortFehler::SchonOffen:
            dialoge_.meldung(texte[textnr::PortSchonOffen], titel, Schaltflaechen::Ok,
                             Symbol::Information);
            break;
        default:
            dialoge_.meldung(r.beschreibung, QString(), Schaltflaechen::Ok, Symbol::Kritisch);
            break;
    }
    anzeige_.setzeLampe(Lampe::Grau);
    anzeige_.setzeSichtbarkeit(QStringLiteral("Picconnect"), false);
}
