#include "link/link.h"

#include <algorithm>

#include "link/protocol.h"
#include "link/requests.h"

using namespace protocol;

namespace {

// What a fast exchange is planned to take beyond its bytes' wire time: the
// meter applying the request.
constexpr double PlannedAnswerTime = 0.025;
// How much later than the request before an answer may come through the
// line and a device server's network.
constexpr double AnswerJitter = 0.05;

}  // namespace

Link::Link(Port& port, Clock& clock, LinkState& state)
    : port_(port), clock_(clock), state_(state) {}

void Link::send(const QByteArray& frame) {
    if (state_.cancelled) return;
    state_.Sendepuffer = frame;
    state_.Pruefbyte = frame.isEmpty() ? 0 : quint8(frame.back());
    port_.output(frame);
}

void Link::cancel() {
    state_.cancelled = true;
    clock_.wake();
}

// Arriving bytes are reported only while a wait may need them, so a reply
// that is already whole costs no switching of the reports.
bool Link::waitUntil(double deadline, const std::function<bool()>& done, Events events) {
    if (state_.cancelled) return false;
    const auto over = [&] { return state_.cancelled || done(); };
    bool met = over();
    if (!met) {
        port_.watchInput(true);
        met = clock_.waitUntil(deadline, over, events);
    }
    return met && !state_.cancelled;
}

void Link::Warten(double seconds) {
    waitUntil(
        clock_.now() + seconds, [] { return false; }, Events::All);
}

void Link::pause(double seconds) {
    if (!state_.fast) Warten(seconds);
}

bool Link::waitForBytes(int count, double seconds, Events events, bool exact) {
    return waitUntil(
        clock_.now() + seconds,
        [&] {
            const int n = port_.inBufferCount();
            return exact ? n == count : n >= count;
        },
        events);
}

void Link::discardInput() {
    port_.input();
}

Reply Link::take(int length) {
    state_.Empfangspuffer = port_.input();
    return classify(state_.Empfangspuffer, length, state_.cancelled);
}

// What arrived, by its first byte and its length.
Reply Link::classify(const QByteArray& bytes, int length, bool cancelled) {
    Reply r{ReplyKind::NoAnswer, bytes};
    if (cancelled)
        r.kind = ReplyKind::Cancelled;
    else if (r.bytes.isEmpty())
        r.kind = ReplyKind::NoAnswer;
    else if (quint8(r.bytes[0]) == NAK)
        r.kind = ReplyKind::Rejected;
    else if (quint8(r.bytes[0]) == DLE)
        r.kind =
            length <= 0 || r.bytes.size() == length ? ReplyKind::Acknowledged : ReplyKind::Short;
    return r;
}

Reply Link::request(const QByteArray& frame, int length, double seconds, Events events) {
    state_.Empfangspuffer.clear();
    const double deadline = clock_.now() + seconds;
    send(frame);
    awaitWholeReply(frame.size() + length, deadline, events);
    waitForBytes(length, deadline - clock_.now(), events);
    return take(length);
}

// A reply cannot be whole before the request and the reply have crossed the
// wire and been delivered. Until then nothing needs to look at the bytes
// arriving, so they do not wake the program one by one.
void Link::awaitWholeReply(int wireBytes, double deadline, Events events) {
    const double earliest = clock_.now() + wireBytes * ByteTime + DeliveryLag;
    port_.watchInput(false);
    clock_.waitUntil(
        std::min(earliest, deadline), [this] { return state_.cancelled; }, events);
}

Reply Link::exchange(const QByteArray& frame, int length, double seconds) {
    const Reply r = request(frame, length, seconds, Events::DisplayOnly);
    if (r.kind == ReplyKind::Rejected) state_.Fehlversuche += 1;
    if (r.kind == ReplyKind::Acknowledged || r.kind == ReplyKind::Short) state_.Fehlversuche = 0;
    return r;
}

bool Link::testConnection() {
    send(request::connectionTest());
    const double deadline = clock_.now() + WaitConnectionTest;
    const auto dle = [this] {
        return !state_.Empfangspuffer.isEmpty() && quint8(state_.Empfangspuffer[0]) == DLE;
    };
    state_.Empfangspuffer = port_.input();
    while (!dle() && !state_.cancelled) {
        if (!waitUntil(
                deadline, [&] { return port_.inBufferCount() > 0; }, Events::DisplayOnly))
            break;
        state_.Empfangspuffer = port_.input();
    }
    state_.Verbunden = dle();
    return state_.Verbunden;
}

Reply Link::exchangeFixed(const QByteArray& frame) {
    if (state_.fast) return exchangeAnswered(frame);
    send(frame);
    Warten(FixedWaitTime);
    return take(0);
}

// Whatever is pending belongs to no request. The reply is whole at its
// length, or at its first byte when that is a rejection; the fixed second
// stays the bound.
Reply Link::exchangeAnswered(const QByteArray& frame) {
    discardInput();
    send(frame);
    const int length = frame.isEmpty() ? 1 : replyLength(quint8(frame[0]));
    QByteArray got;
    const double sent = clock_.now();
    waitUntil(
        sent + FixedWaitTime,
        [&] {
            got += port_.input();
            return got.size() >= length || (!got.isEmpty() && quint8(got[0]) == NAK);
        },
        Events::All);
    state_.Empfangspuffer = got;
    if (!got.isEmpty()) state_.answerLag = clock_.now() - sent;
    return classify(got, 0, state_.cancelled);
}

double Link::plannedSeconds(const QByteArray& frame) const {
    if (!state_.fast) return FixedWaitTime;
    const int length = frame.isEmpty() ? 1 : replyLength(quint8(frame[0]));
    return (frame.size() + length) * ByteTime + PlannedAnswerTime;
}

bool Link::askUntilBack(double seconds) {
    const double deadline = clock_.now() + seconds;
    while (!state_.cancelled) {
        discardInput();
        const double asked = clock_.now();
        send(request::connectionTest());
        const double next = std::min(asked + AskInterval, deadline);
        if (waitUntil(
                next, [this] { return port_.inBufferCount() > 0; }, Events::All)) {
            // The answer may be to an earlier ask, or one of many the meter kept
            // while it restarted; the last ask is answered by the time the
            // meter took for the request before.
            awaitSilence(asked + state_.answerLag + AnswerJitter);
            return true;
        }
        if (clock_.now() >= deadline) break;
    }
    return false;
}

// Drops what arrives until `due` and until nothing has come for a while.
void Link::awaitSilence(double due) {
    const auto arrived = [this] { return port_.inBufferCount() > 0; };
    do
        discardInput();
    while (waitUntil(std::max(due, clock_.now() + AnswerJitter), arrived, Events::All));
}

Reply Link::exchangeRepeated(const QByteArray& frame, Repeat repeat, bool discard) {
    Reply r{ReplyKind::Cancelled, {}};
    for (int attempt = 1; !state_.cancelled; ++attempt) {
        if (discard) port_.clearInBuffer();
        r = exchangeFixed(frame);
        const bool again = repeat == Repeat::WhileRejected ? r.kind == ReplyKind::Rejected
                                                           : r.kind != ReplyKind::Acknowledged;
        if (!again) break;
        if (attempt == MaxSendAttempts) {
            r.exhausted = true;
            break;
        }
    }
    return r;
}
