#include <stdexcept>

#include "device/device_errors.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/link_messages.h"
#include "session/session.h"

using namespace protocol;

namespace {

// Short EEPROM replies are re-requested at most this often before the
// session gives up with a message.
constexpr int MaxEepromRereads = 10;
constexpr int NaksBeforeMessage = 5;

}  // namespace

// The meter rejected a counted request; the fifth rejection in a row is
// reported. Polling goes on.
void Session::rejected() {
    if (linkState.Fehlversuche == NaksBeforeMessage &&
        cancelledBy(message(texts[textnr::ZuVieleNAK], texts[textnr::TitelNAK],
                            Schaltflaechen::OkAbbrechen, Symbol::Kritisch)))
        return;
    setCountsTimer(true);
}

// No usable reply: the window shows the broken link, and after OK the
// technician can connect again.
void Session::brokenLink(const QString& text, const QString& title) {
    state.linkDown = true;
    setCountsTimer(false);
    state.currentShown = false;
    state.connected = false;
    setLamp(color::Grey);
    refreshControls();
    if (cancelledBy(message(text, title, Schaltflaechen::OkAbbrechen, Symbol::Kritisch))) return;
    link_.discardInput();
    state.liveShown = false;
    refreshControls();
}

bool Session::EEPromLesen() {
    try {
        return readEeprom();
    } catch (const std::exception& e) {
        runtimeError(QString::fromLocal8Bit(e.what()), QStringLiteral("EEPromLesen"));
    }
    return false;
}

bool Session::readEeprom() {
    const QByteArray before = linkState.EEPromInhalt;
    linkState.EEPromInhalt.clear();
    const Reply r = link_.exchange(request::eepromLesen(), EEPromAntwortLaenge, WarteEEProm);
    bool read = false;
    switch (r.kind) {
        case ReplyKind::Acknowledged:
        case ReplyKind::Short:
            read = rereadEeprom(r);
            break;
        case ReplyKind::Rejected:
            rejected();
            break;
        case ReplyKind::NoAnswer:
            brokenLink(texts[textnr::VerbindungGestoert], texts[textnr::TitelVerbindungGestoert]);
            break;
        case ReplyKind::Cancelled:
            break;
    }
    if (read)
        linkState.EEPromInhalt = linkState.Empfangspuffer;
    else
        linkState.EEPromInhalt = before;
    return read;
}

// A reply of the wrong length is requested again after a pause; the fifth
// short reply asks for a restart, the tenth gives up.
bool Session::rereadEeprom(Reply r) {
    for (int rereads = 0; r.kind == ReplyKind::Short; ++rereads) {
        if (rereads == MaxEepromRereads) {
            brokenLink(linktexte::eepromAufgegeben(language, rereads),
                       linktexte::kritischerFehler(language));
            return false;
        }
        link_.Warten(PauseVorEEPromWiederholung);
        r = link_.request(request::eepromLesen(), EEPromAntwortLaenge, WarteEEProm,
                          Ereignisse::NurAnzeige);
        if (r.kind == ReplyKind::Cancelled) return false;
        if (r.kind == ReplyKind::Rejected) {
            linkState.Fehlversuche += 1;
            rejected();
            return false;
        }
        if (r.kind == ReplyKind::NoAnswer) {
            brokenLink(texts[textnr::VerbindungGestoert], texts[textnr::TitelVerbindungGestoert]);
            return false;
        }
        if (r.kind == ReplyKind::Short && ++linkState.Fehlversuche == NaksBeforeMessage)
            message(linktexte::neuStarten(language), linktexte::kritischerFehler(language),
                    Schaltflaechen::Ok, Symbol::Kritisch);
    }
    return r.kind == ReplyKind::Acknowledged;
}

Reply Session::sendRepeated(const QByteArray& frame, Repeat repeat, bool discard) {
    const Reply r = link_.exchangeRepeated(frame, repeat, discard);
    if (r.exhausted)
        cancelledBy(message(linktexte::nichtAngenommen(language, Link::MaxSendAttempts),
                            linktexte::kritischerFehler(language), Schaltflaechen::OkAbbrechen,
                            Symbol::Kritisch));
    return r;
}

void Session::readError() {
    try {
        link_.discardInput();
        const Reply r = link_.exchangeFixed(request::fehlerstatus());
        if (r.kind == ReplyKind::Cancelled) return;
        if (r.bytes.size() < FehlerAntwortLaenge)
            throw std::runtime_error(linktexte::fehlerabfrageUnvollstaendig(language).toStdString());
        const int code = quint8(r.bytes[1]);
        const QString dle = quint8(r.bytes[0]) == DLE ? QStringLiteral("DLE ") : QString();
        display.setCell(QStringLiteral("tabError"), 1, 1, QString::number(code));
        display.setCell(QStringLiteral("tabError"), 1, 2, dle + geraetefehlerText(code));
    } catch (const std::exception& e) {
        runtimeError(QString::fromStdString(e.what()), QStringLiteral("readError"));
    }
}
