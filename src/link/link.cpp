#include "link/link.h"

#include <exception>
#include <stdexcept>

#include "link/anfragen.h"
#include "link/geraetefehler.h"
#include "link/link_texte.h"
#include "link/protocol.h"

using namespace protokoll;

Link::Link(Port& port, Clock& clock, LinkState& state, Oberflaeche ui, Messzyklus& zyklus)
    : port_(port), clock_(clock), state_(state), ui_(ui), zyklus_(zyklus) {}

void Link::senden(const QByteArray& rahmen) {
    if (state_.programmEnde) return;
    state_.Sendepuffer = rahmen;
    state_.Pruefbyte = rahmen.isEmpty() ? 0 : quint8(rahmen.back());
    port_.output(rahmen);
}

void Link::Warten(double sekunden) {
    if (state_.programmEnde) return;
    clock_.warteBis(
        clock_.jetzt() + sekunden, [] { return false; }, Ereignisse::Alle);
}

bool Link::warteAufBytes(int anzahl, double zeit, Ereignisse e, bool genau) {
    if (state_.programmEnde) return false;
    return clock_.warteBis(
        clock_.jetzt() + zeit,
        [&] {
            const int n = port_.inBufferCount();
            return genau ? n == anzahl : n >= anzahl;
        },
        e);
}

void Link::WarteAufAntwort(Transaktion t, double zeit, int modus) {
    if (modus == 1 && (t == Transaktion::EEpromLesen || t == Transaktion::Counts)) {
        state_.Empfangspuffer.clear();
        warteAufBytes(t == Transaktion::Counts ? CountsAntwortLaenge : EEPromAntwortLaenge, zeit,
                      Ereignisse::NurAnzeige);
        state_.Empfangspuffer = port_.input();
        AntwortAuswerten(t);
    } else if (modus == 0 && t == Transaktion::PruefeVerbindung) {
        const double frist = clock_.jetzt() + zeit;
        state_.Empfangspuffer = port_.input();
        while (!beginntMit(DLE) && !state_.programmEnde) {
            if (!clock_.warteBis(
                    frist, [&] { return port_.inBufferCount() > 0; }, Ereignisse::NurAnzeige))
                break;
            state_.Empfangspuffer = port_.input();
        }
        state_.Verbunden = beginntMit(DLE);
    }
}

bool Link::beginntMit(quint8 code) const {
    return !state_.Empfangspuffer.isEmpty() && quint8(state_.Empfangspuffer[0]) == code;
}

void Link::AntwortAuswerten(Transaktion t) {
    if (state_.programmEnde) return;
    if (beginntMit(NAK)) {
        nakAuswerten();
    } else if (beginntMit(DLE)) {
        state_.Fehlversuche = 0;
        if (t == Transaktion::EEpromLesen) eepromAuswerten();
        if (t == Transaktion::Counts) countsAuswerten();
    } else {
        verbindungGestoert(ui_.texte[textnr::VerbindungGestoert],
                           ui_.texte[textnr::TitelVerbindungGestoert]);
    }
}

bool Link::abgebrochen(Antwort a) {
    state_.MeldungsAntwort = a;
    if (a != Antwort::Abbrechen) return false;
    state_.programmEnde = true;
    ui_.dialogs.programmBeenden();
    return true;
}

void Link::nakAuswerten() {
    state_.Fehlversuche += 1;
    if (state_.Fehlversuche == 5) {
        const Antwort a =
            ui_.dialogs.meldung(ui_.texte[textnr::ZuVieleNAK], ui_.texte[textnr::TitelNAK],
                                Schaltflaechen::OkAbbrechen, Symbol::Kritisch);
        if (abgebrochen(a)) return;
    }
    zyklus_.setzeCountsTimer(true);
}

void Link::eepromAuswerten() {
    int wiederholungen = 0;
    while (state_.Empfangspuffer.size() != EEPromAntwortLaenge) {
        if (wiederholungen == MaxEEPromWiederholungen) {
            verbindungGestoert(linktexte::eepromAufgegeben(ui_.sprache, wiederholungen),
                               linktexte::kritischerFehler(ui_.sprache));
            return;
        }
        Warten(PauseVorEEPromWiederholung);
        senden(anfrage::eepromLesen());
        warteAufBytes(EEPromAntwortLaenge, WarteEEProm, Ereignisse::NurAnzeige);
        state_.Empfangspuffer = port_.input();
        ++wiederholungen;
        if (state_.programmEnde) return;
        if (!beginntMit(DLE)) {
            AntwortAuswerten(Transaktion::Keine);
            return;
        }
        if (state_.Empfangspuffer.size() == EEPromAntwortLaenge) break;
        state_.Fehlversuche += 1;
        if (state_.Fehlversuche == 5)
            ui_.dialogs.meldung(linktexte::neuStarten(ui_.sprache),
                                linktexte::kritischerFehler(ui_.sprache), Schaltflaechen::Ok,
                                Symbol::Kritisch);
    }
    state_.EEPromInhalt = state_.Empfangspuffer;
}

void Link::countsAuswerten() {
    if (state_.Empfangspuffer.size() == CountsAntwortLaenge) {
        ui_.view.setzeLampe(Lampe::Gruen);
        ui_.view.zeigeVerbunden(true);
        zyklus_.countsErhalten(quint8(state_.Empfangspuffer[1]), quint8(state_.Empfangspuffer[2]));
        ui_.view.setzeSichtbar(Element::AnzAnalog, true);
        zyklus_.setzeCountsTimer(true);
        return;
    }
    const Antwort a = ui_.dialogs.meldung(ui_.texte[textnr::CountsAntwortFalsch],
                                          ui_.texte[textnr::TitelCountsAntwortFalsch],
                                          Schaltflaechen::OkAbbrechen, Symbol::Kritisch);
    if (!abgebrochen(a)) zyklus_.setzeCountsTimer(true);
}

void Link::verbindungGestoert(const QString& text, const QString& titel) {
    ui_.view.setzeMenueAktiv(Menue::mnudatei, 7, false);
    ui_.view.setzeAktiv(Element::cmdNDspeichern, false);
    ui_.view.setzeAktiv(Element::cmdNDLesen, false);
    zyklus_.setzeCountsTimer(false);
    ui_.view.setzeSichtbar(Element::raAktuell, false);
    ui_.view.setzeLampe(Lampe::Grau);
    ui_.view.zeigeVerbunden(false);
    const Antwort a =
        ui_.dialogs.meldung(text, titel, Schaltflaechen::OkAbbrechen, Symbol::Kritisch);
    if (abgebrochen(a)) return;
    port_.input();
    ui_.view.setzeMenueAktiv(Menue::mnuhaupt, 1, true);
    ui_.view.setzeSichtbar(Element::AnzAnalog, false);
}

bool Link::Verbindungstest() {
    senden(anfrage::verbindungstest());
    WarteAufAntwort(Transaktion::PruefeVerbindung, WarteVerbindungstest, 0);
    return state_.Verbunden;
}

bool Link::EEPromLesen() {
    try {
        const QByteArray vorher = state_.EEPromInhalt;
        state_.EEPromInhalt.clear();
        senden(anfrage::eepromLesen());
        WarteAufAntwort(Transaktion::EEpromLesen, WarteEEProm, 1);
        if (!state_.EEPromInhalt.isEmpty()) return true;
        state_.EEPromInhalt = vorher;
    } catch (const std::exception& e) {
        ui_.laufzeitfehler(QString::fromLocal8Bit(e.what()), QStringLiteral("EEPromLesen"));
    }
    return false;
}

void Link::CountsAnfordern(bool roh) {
    senden(anfrage::counts(roh));
    WarteAufAntwort(Transaktion::Counts, WarteCounts, 1);
}

void Link::readError() {
    try {
        port_.input();
        const QByteArray antwort = festerAustausch(anfrage::fehlerstatus());
        if (state_.programmEnde) return;
        if (antwort.size() < FehlerAntwortLaenge)
            throw std::runtime_error(
                linktexte::fehlerabfrageUnvollstaendig(ui_.sprache).toStdString());
        const int code = quint8(antwort[1]);
        const QString dle = quint8(antwort[0]) == DLE ? QStringLiteral("DLE ") : QString();
        ui_.view.setzeFehlerzeile(QString::number(code), dle + geraetefehlerText(code));
    } catch (const std::exception& e) {
        ui_.laufzeitfehler(QString::fromStdString(e.what()), QStringLiteral("readError"));
    }
}

QByteArray Link::festerAustausch(const QByteArray& rahmen) {
    senden(rahmen);
    Warten(FesteWartezeit);
    state_.Empfangspuffer = port_.input();
    return state_.Empfangspuffer;
}

QByteArray Link::austauschWiederholt(const QByteArray& rahmen, Wiederholen art, bool leeren) {
    for (int versuch = 1; !state_.programmEnde; ++versuch) {
        if (leeren) port_.inBufferLeeren();
        festerAustausch(rahmen);
        const bool nochmal = art == Wiederholen::SolangeNAK ? beginntMit(NAK) : !beginntMit(DLE);
        if (!nochmal) break;
        if (versuch == MaxSendeversuche) {
            const Antwort a = ui_.dialogs.meldung(linktexte::nichtAngenommen(ui_.sprache, versuch),
                                                  linktexte::kritischerFehler(ui_.sprache),
                                                  Schaltflaechen::OkAbbrechen, Symbol::Kritisch);
            abgebrochen(a);
            break;
        }
    }
    return state_.Empfangspuffer;
}
