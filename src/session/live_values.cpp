#include <exception>

#include "link/protocol.h"
#include "link/requests.h"
#include "session/session.h"
#include "session/show_measurement.h"
#include "session/status_texts.h"

using namespace protocol;

namespace {

constexpr int StatusEveryCycle = 5;
constexpr quint8 ErrorUndervoltage = 17;
constexpr int MaxShortReplies = 5;

}  // namespace

void Session::timCountsTick() {
    if (busy()) return;  // the next tick tries again
    timCounts_->off();
    Operation operation(*this);
    if (++live.Zyklus == StatusEveryCycle) {
        live.Zyklus = 0;
        StatusAbfragen();
    }
    countsReply(
        link_.exchange(request::counts(live.CountsRequestActive), CountsReplyLength, WaitCounts));
}

void Session::countsReply(const Reply& r) {
    switch (r.kind) {
        case ReplyKind::Acknowledged:
            live.shortReplies = 0;
            setLamp(color::Green);
            state.connected = true;
            state.liveShown = true;
            refreshControls();
            MesswertAnzeigen(quint8(r.bytes[1]), quint8(r.bytes[2]), live, meter, display);
            if (measured_ && !live.CountsRequestActive) measured_(clock_.now(), live.Messwert);
            recordingResumed();
            setCountsTimer(true);
            break;
        case ReplyKind::Short:
            shortReply();
            break;
        case ReplyKind::Rejected:
            rejected();
            break;
        case ReplyKind::NoAnswer:
            brokenLink();
            break;
        case ReplyKind::Cancelled:
            break;
    }
}

// A short reply is reported once and polling goes on; when the replies stay
// short, the link counts as broken instead of showing the message again and again.
void Session::shortReply() {
    if (++live.shortReplies >= MaxShortReplies) {
        live.shortReplies = 0;
        brokenLink();
        return;
    }
    if (live.shortReplies == 1 &&
        cancelledBy(message(texts[textNo::CountsReplyWrong], texts[textNo::TitleCountsReplyWrong],
                            Buttons::OkCancel, Symbol::Critical)))
        return;
    setCountsTimer(true);
}

void Session::StatusAbfragen() {
    try {
        const Reply r =
            link_.request(request::errorStatus(), ErrorReplyLength, WaitStatus, Events::All);
        if (r.bytes.isEmpty() || quint8(r.bytes[0]) != DLE) return;
        live.Unterspannung = quint8(r.bytes.back()) == ErrorUndervoltage;
        // Normal text takes the tooltip's text colour so it stays readable on the tooltip
        // background.
        const Color c = live.Unterspannung ? color::Red : color::SystemTooltipText;
        display.setTextColor(QStringLiteral("lblAktMW"), c);
        display.setTextColor(QStringLiteral("lblANAOUT"), c);
        if (live.Unterspannung) setStatus(startTexts::undervoltage(language));
    } catch (const std::exception& e) {
        message(QString::fromUtf8(e.what()), QString(), Buttons::Ok, Symbol::Critical);
    }
}
