#pragma once

#include <QByteArray>

#include "link/clock.h"
#include "link/link_state.h"
#include "link/port.h"
#include "link/reply.h"

// When a write is sent again: while the meter rejects it with NAK, or until
// it acknowledges with DLE (then also after no reply or a garbled one).
enum class Repeat { WhileRejected, UntilAcknowledged };

// The serial link to the meter: it frames nothing itself, but sends a
// request, waits for its reply on the clock and says what came back. It
// shows nothing; the session decides how to react.
class Link {
public:
    // Writes are sent at most this often before the link gives up.
    static constexpr int MaxSendAttempts = 10;

    Link(Port& port, Clock& clock, LinkState& state);

    void send(const QByteArray& frame);
    // A pause that keeps the window responsive.
    void Warten(double seconds);
    // A pause that only gives the meter time; in fast mode the tool waits
    // for the meter's answers instead, so it is skipped.
    void pause(double seconds);
    double plannedPause(double seconds) const { return state_.fast ? 0.0 : seconds; }
    // Waits until exactly (or at least) `count` bytes are buffered or `seconds` have passed.
    bool waitForBytes(int count, double seconds, Events events, bool exact = true);

    // Sends 00 00 and waits for the DLE; sets and returns Verbunden.
    bool testConnection();
    // Sends `frame`, waits for exactly `length` bytes and returns what arrived.
    Reply request(const QByteArray& frame, int length, double seconds, Events events);
    // The same for the counted exchanges, whose waits let no user input through:
    // NAKs are counted in Fehlversuche and a DLE clears the count.
    Reply exchange(const QByteArray& frame, int length, double seconds);
    // Sends `frame` and takes what arrived after the fixed second; in fast
    // mode, as soon as the reply is whole, but never later than that.
    Reply exchangeFixed(const QByteArray& frame);
    // The seconds an exchangeFixed of `frame` is planned to take.
    double plannedSeconds(const QByteArray& frame) const;
    // Fast mode: asks with 00 00 every AskInterval until the restarted meter
    // answers or `seconds` have passed; its late answers are dropped.
    bool askUntilBack(double seconds);
    // Takes what arrived as the reply to a request answered by `length` bytes.
    Reply collect(int length) { return take(length); }
    // The fixed-delay exchange, repeated as `repeat` says, at most
    // MaxSendAttempts times; `discard` empties the receive buffer before each try.
    Reply exchangeRepeated(const QByteArray& frame, Repeat repeat, bool discard = false);
    // Takes and drops whatever the port holds.
    void discardInput();

    // The program is ending: from now on nothing is sent, and a wait that
    // runs returns at once, as every later one does.
    void cancel();
    bool cancelled() const { return state_.cancelled; }
    LinkState& state() { return state_; }

private:
    Reply take(int length);
    static Reply classify(const QByteArray& bytes, int length, bool cancelled);
    Reply exchangeAnswered(const QByteArray& frame);
    void awaitSilence(double due);
    void awaitWholeReply(int wireBytes, double deadline, Events events);
    // Waits until `done` holds, the deadline passes or the program ends.
    bool waitUntil(double deadline, const std::function<bool()>& done, Events events);

    Port& port_;
    Clock& clock_;
    LinkState& state_;
};
