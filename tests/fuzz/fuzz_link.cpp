// The link's reply handling fed whatever the meter's side of the line sends.
// The fuzz input is a script of answers: every frame the link sends starts
// the next answer, made of pieces that arrive on a virtual clock, so waits
// of seconds cost nothing and every run is deterministic.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "link/link.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "require.h"
#include "sim/virtual_clock.h"

namespace {

// A piece is a header byte, a length byte and that many bytes. The header's
// low seven bits delay the piece after the one before it in steps of 50 ms,
// up to 6.35 s, so pieces land before, at and after every wait of the
// protocol (0.5 s to 8 s); its top bit marks the answer's last piece. Once
// the script runs out the meter stays silent.
class ScriptedMeter : public Port {
public:
    ScriptedMeter(const uint8_t* data, size_t size, VirtualClock& clock)
        : data_(data), size_(size), clock_(clock) {}

    void setCommPort(const QString& port) override { port_ = port; }
    QString commPort() const override { return port_; }
    OpenResult openPort() override {
        open_ = true;
        return {};
    }
    void closePort() override { open_ = false; }
    bool portOpen() const override { return open_; }
    void output(const QByteArray&) override {
        ++frames_;
        scheduleAnswer();
    }
    int inBufferCount() override { return int(buffer_.size()); }
    void clearInBuffer() override { buffer_.clear(); }
    QByteArray input() override { return std::exchange(buffer_, QByteArray()); }

    int frames() const { return frames_; }

private:
    void scheduleAnswer() {
        constexpr double Step = 0.05;
        double when = clock_.now();
        for (bool last = false; !last && next_ + 2 <= size_;) {
            const uint8_t header = data_[next_];
            last = (header & 0x80) != 0;
            when += (header & 0x7F) * Step;
            const size_t length = std::min<size_t>(data_[next_ + 1], size_ - next_ - 2);
            const QByteArray piece(reinterpret_cast<const char*>(data_ + next_ + 2),
                                   qsizetype(length));
            next_ += 2 + length;
            clock_.schedule(when, [this, piece] { buffer_ += piece; });
        }
    }

    const uint8_t* data_;
    size_t size_;
    size_t next_ = 0;
    VirtualClock& clock_;
    QString port_;
    bool open_ = false;
    QByteArray buffer_;
    int frames_ = 0;
};

// What the link says came back must match the bytes that came back.
void checkReply(const Reply& r, int length, const LinkState& state) {
    using namespace protocol;
    const quint8 first = r.bytes.isEmpty() ? 0 : quint8(r.bytes[0]);
    require(r.bytes == state.Empfangspuffer, "the reply is the received block");
    switch (r.kind) {
        case ReplyKind::Acknowledged:
            require(!r.bytes.isEmpty() && first == DLE, "an acknowledgement starts with DLE");
            require(length <= 0 || r.bytes.size() == length, "an acknowledgement has the length");
            break;
        case ReplyKind::Short:
            require(first == DLE && r.bytes.size() != length, "a short reply has a wrong length");
            break;
        case ReplyKind::Rejected:
            require(first == NAK, "a rejection starts with NAK");
            break;
        case ReplyKind::NoAnswer:
            require(r.bytes.isEmpty() || (first != DLE && first != NAK),
                    "no answer has neither DLE nor NAK");
            break;
        case ReplyKind::Cancelled:
            require(state.cancelled, "only a cancelled link says so");
            break;
    }
}

// A counted exchange keeps Fehlversuche as its header promises.
void checkCounted(Link& link, const QByteArray& frame, int length, double seconds) {
    const int before = link.state().Fehlversuche;
    const Reply r = link.exchange(frame, length, seconds);
    checkReply(r, length, link.state());
    const int after = link.state().Fehlversuche;
    if (r.kind == ReplyKind::Rejected) require(after == before + 1, "a NAK is counted");
    if (r.kind == ReplyKind::Acknowledged || r.kind == ReplyKind::Short)
        require(after == 0, "a DLE clears the count");
}

void checkRepeated(Link& link, ScriptedMeter& meter, Repeat repeat, bool discard) {
    const int before = meter.frames();
    const Reply r = link.exchangeRepeated(request::store(), repeat, discard);
    const int sent = meter.frames() - before;
    checkReply(r, 0, link.state());
    require(sent >= 1 && sent <= Link::MaxSendAttempts, "a write is sent 1 to 10 times");
    require(!r.exhausted || sent == Link::MaxSendAttempts, "tries are used up only after 10");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VirtualClock clock;
    ScriptedMeter meter(data, size, clock);
    LinkState state;
    Link link(meter, clock, state);
    meter.openPort();

    const bool connected = link.testConnection();
    require(connected == (!state.Empfangspuffer.isEmpty() &&
                          quint8(state.Empfangspuffer[0]) == protocol::DLE),
            "connected exactly when a DLE came back");

    checkCounted(link, request::eepromImage(), protocol::EepromReplyLength, protocol::WaitEeprom);
    checkCounted(link, request::counts(false), protocol::CountsReplyLength, protocol::WaitCounts);
    checkCounted(link, request::errorStatus(), protocol::ErrorReplyLength, protocol::WaitStatus);
    checkReply(link.exchangeFixed(request::readConfig()), 0, state);
    for (const Repeat repeat : {Repeat::WhileRejected, Repeat::UntilAcknowledged})
        for (const bool discard : {false, true})
            checkRepeated(link, meter, repeat, discard);

    // Once the program ends nothing more is sent, whatever still arrives.
    link.cancel();
    const int sent = meter.frames();
    const Reply late = link.exchange(request::counts(true), protocol::CountsReplyLength, 1.0);
    require(late.kind == ReplyKind::Cancelled, "a cancelled link says so");
    link.testConnection();
    require(meter.frames() == sent, "a cancelled link sends nothing");
    return 0;
}
