#include <exception>

#include "link/protocol.h"
#include "link/requests.h"
#include "session/operation.h"
#include "session/session.h"
#include "session/show_measurement.h"
#include "session/status_texts.h"

using namespace protocol;

namespace {

constexpr int StatusEveryCycle = 5;
constexpr quint8 ErrorUndervoltage = 17;

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
    if (r.kind != ReplyKind::Short) live.shortReplies = 0;  // the run of short replies is over
    switch (r.kind) {
        case ReplyKind::Acknowledged:
            countsAcknowledged(quint8(r.bytes[1]), quint8(r.bytes[2]));
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

// The controls follow the link being up and an averaging run ending, not
// the reading itself; the rule is not worked out again for every reading.
void Session::countsAcknowledged(quint8 high, quint8 low) {
    setLamp(color::Green);
    const bool shown = state.connected && state.liveShown;
    const bool averaging = live.averaging;
    state.connected = true;
    state.liveShown = true;
    if (!shown) refreshControls();
    MesswertAnzeigen(high, low, live, meter, display);
    if (live.averaging != averaging) refreshControls();
    if (!live.CountsRequestActive) events.measured(clock_.now(), live.Messwert);
    events.reading();
    setCountsTimer(true);
}

// A short reply carries no value: the values pause and a recording skips it.
// The first of a run is reported and the technician decides: OK polls on,
// Cancel ends the program. Later short replies of the same run are not
// reported again, so a lasting fault does not bury the window in messages.
void Session::shortReply() {
    pauseLiveValues();
    events.readingsLost();
    if (++live.shortReplies == 1 &&
        cancelledBy(message(texts[textNo::CountsReplyWrong], texts[textNo::TitleCountsReplyWrong],
                            Buttons::OkCancel, Symbol::Critical)))
        return;
    setCountsTimer(true);
}

void Session::pauseLiveValues() {
    showPaused(startTexts::livePaused(language), display);
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
