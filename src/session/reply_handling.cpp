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
        cancelledBy(message(texts[textNo::TooManyNAK], texts[textNo::TitleNAK], Buttons::OkCancel,
                            Symbol::Critical)))
        return;
    setCountsTimer(true);
}

// No usable reply: the window shows the broken link, and after OK the
// technician can connect again.
void Session::brokenLink(const QString& text, const QString& title) {
    state.linkDown = true;
    events.readingsLost();
    setCountsTimer(false);
    state.currentShown = false;
    state.connected = false;
    setLamp(color::Grey);
    refreshControls();
    if (cancelledBy(message(text, title, Buttons::OkCancel, Symbol::Critical))) return;
    link_.discardInput();
    state.liveShown = false;
    refreshControls();
}

void Session::brokenLink() {
    brokenLink(texts[textNo::ConnectionBroken], texts[textNo::TitleConnectionBroken]);
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
    link_.discardInput();  // what is pending now belongs to no request and would lead the image
    const Reply r = aligned(link_.exchange(request::eepromImage(), EepromReplyLength, WaitEeprom));
    bool read = false;
    switch (r.kind) {
        case ReplyKind::Acknowledged:
        case ReplyKind::Short:
            read = rereadEeprom(r);
            break;
        case ReplyKind::Rejected:
            imageRefused();
            break;
        case ReplyKind::NoAnswer:
            brokenLink();
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
            brokenLink(linkTexts::eepromGaveUp(language, rereads),
                       linkTexts::criticalError(language));
            return false;
        }
        link_.Warten(PauseBeforeEepromRetry);
        link_.discardInput();  // what straggled in during the pause belongs to no request
        r = aligned(link_.request(request::eepromImage(), EepromReplyLength, WaitEeprom,
                                  Events::DisplayOnly));
        if (r.kind == ReplyKind::Cancelled) return false;
        if (r.kind == ReplyKind::Rejected) {
            linkState.Fehlversuche += 1;
            imageRefused();
            return false;
        }
        if (r.kind == ReplyKind::NoAnswer) {
            brokenLink();
            return false;
        }
        if (r.kind == ReplyKind::Short && ++linkState.Fehlversuche == NaksBeforeMessage)
            message(linkTexts::restartProgram(language), linkTexts::criticalError(language),
                    Buttons::Ok, Symbol::Critical);
    }
    // The whole image is a DLE reply like any other: the run of failures is over.
    if (r.kind == ReplyKind::Acknowledged) linkState.Fehlversuche = 0;
    return r.kind == ReplyKind::Acknowledged;
}

// The meter refused to send its image: without one there is nothing to show
// or to poll against, so polling stays as it was and the technician is told.
void Session::imageRefused() {
    message(linkTexts::imageRefused(language), linkTexts::criticalError(language), Buttons::Ok,
            Symbol::Critical);
}

// An image with more bytes behind it is as wrong as a short one.
Reply Session::aligned(Reply r) {
    if (r.kind == ReplyKind::Acknowledged &&
        link_.waitForBytes(1, ImageTrailingGap, Events::DisplayOnly, false))
        r.kind = ReplyKind::Short;
    return r;
}

Reply Session::sendRepeated(const QByteArray& frame, Repeat repeat, bool discard) {
    const Reply r = link_.exchangeRepeated(frame, repeat, discard);
    if (r.exhausted)
        cancelledBy(message(linkTexts::notAccepted(language, Link::MaxSendAttempts),
                            linkTexts::criticalError(language), Buttons::OkCancel,
                            Symbol::Critical));
    return r;
}

void Session::readError() {
    try {
        link_.discardInput();
        const Reply r = link_.exchangeFixed(request::errorStatus());
        if (r.kind == ReplyKind::Cancelled) return;
        if (r.bytes.size() < ErrorReplyLength)
            throw std::runtime_error(linkTexts::errorQueryIncomplete(language).toStdString());
        const int code = quint8(r.bytes[1]);
        const QString dle = quint8(r.bytes[0]) == DLE ? QStringLiteral("DLE ") : QString();
        display.setCell(QStringLiteral("tabError"), 1, 1, QString::number(code));
        display.setCell(QStringLiteral("tabError"), 1, 2, dle + meterErrorText(code));
    } catch (const std::exception& e) {
        runtimeError(QString::fromStdString(e.what()), QStringLiteral("readError"));
    }
}
