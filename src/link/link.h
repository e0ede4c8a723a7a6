#pragma once

#include <QByteArray>

#include "link/clock.h"
#include "link/link_state.h"
#include "link/messzyklus.h"
#include "link/port.h"
#include "ui/oberflaeche.h"

// The exchanges whose replies are counted and evaluated by the common handler.
enum class Transaktion { Keine, EEpromLesen, Counts, PruefeVerbindung };

// When a write is sent again: while the meter rejects it with NAK, or until
// it acknowledges with DLE (then also after no reply or a garbled one).
enum class Wiederholen { SolangeNAK, BisDLE };

// The serial link to the meter: one request, one wait, one evaluation at a
// time, with the reply handling and messages shared by every caller.
class Link {
public:
    // Short EEPROM replies are re-requested at most this often before the
    // link gives up with a message.
    static constexpr int MaxEEPromWiederholungen = 10;
    // Writes are sent at most this often before the link gives up with a message.
    static constexpr int MaxSendeversuche = 10;

    Link(Port& port, Clock& clock, LinkState& state, Oberflaeche ui, Messzyklus& zyklus);

    void senden(const QByteArray& rahmen);
    // A pause that keeps the window responsive.
    void Warten(double sekunden);
    // Mode 1 counts bytes for EEpromLesen and Counts; mode 0 waits for a DLE.
    void WarteAufAntwort(Transaktion t, double zeit, int modus);
    void AntwortAuswerten(Transaktion t);

    // Sends 00 00 and waits for the DLE; sets and returns Verbunden.
    bool Verbindungstest();
    // True when EEPromInhalt holds a complete image read by this call.
    bool EEPromLesen();
    void CountsAnfordern(bool roh);
    void readError();
    // Send, wait the fixed second, take whatever arrived.
    QByteArray festerAustausch(const QByteArray& rahmen);
    // The fixed-delay exchange, repeated as `art` says, at most MaxSendeversuche
    // times; `leeren` discards the receive buffer before each try. Returns the
    // last reply; when the tries run out, the user is told first.
    QByteArray austauschWiederholt(const QByteArray& rahmen, Wiederholen art, bool leeren = false);
    // Waits until exactly (or at least) `anzahl` bytes are buffered or `zeit` has passed.
    bool warteAufBytes(int anzahl, double zeit, Ereignisse e, bool genau = true);

    LinkState& state() { return state_; }

private:
    bool beginntMit(quint8 code) const;
    void nakAuswerten();
    void eepromAuswerten();
    void countsAuswerten();
    void verbindungGestoert(const QString& text, const QString& titel);
    bool abgebrochen(Antwort a);

    Port& port_;
    Clock& clock_;
    LinkState& state_;
    Oberflaeche ui_;
    Messzyklus& zyklus_;
};
