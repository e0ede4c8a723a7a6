#include "sim/line.h"

#include <algorithm>

#include "link/protocol.h"
#include "link/requests.h"

Line::Line(Meter& meter, Scheduler& time, std::function<void(const QByteArray&)> sink)
    : meter_(meter), time_(time), sink_(std::move(sink)) {}

void Line::receive(const QByteArray& bytes) {
    if (fault.gone) return;
    const double sent = time_.now();
    for (char b : bytes) {
        const double arrival = std::max(sent, inputFree_) + ByteTime;
        inputFree_ = arrival;
        byteArrived(b, sent, arrival);
    }
}

QVector<QByteArray> Line::frame() const {
    QVector<QByteArray> r;
    for (const ReceivedFrame& e : transcript)
        r.append(e.bytes);
    return r;
}

void Line::byteArrived(char b, double sent, double arrival) {
    const bool pause = lastArrival_ >= 0 && arrival - lastArrival_ > FrameGap;
    lastArrival_ = arrival;
    if (pause) {
        partial_.clear();
        discarding_ = false;
    }
    if (discarding_) return;
    if (partial_.isEmpty()) partialSent_ = sent;
    partial_.append(b);
    const int length = protocol::frameLength(quint8(partial_[0]));
    if (length == 0) {
        // Unknown command: answer NAK and ignore the rest of this burst.
        frameComplete(partial_, arrival);
        partial_.clear();
        discarding_ = true;
    } else if (partial_.size() == length) {
        frameComplete(partial_, arrival);
        partial_.clear();
    }
}

void Line::frameComplete(const QByteArray& frame, double arrival) {
    transcript.append({partialSent_, frame});
    const double from = whileBusy == WhileBusy::Drop ? arrival : std::max(arrival, readyFrom_);
    time_.schedule(from, [this, frame, from] { answer(frame, from); });
}

void Line::answer(const QByteArray& frame, double when) {
    if (fault.gone) return;
    if (when < readyFrom_) {
        if (whileBusy == WhileBusy::Drop) return;
        // Otherwise frames that arrive while the meter is busy are answered once it is free.
        const double from = readyFrom_;
        time_.schedule(from, [this, frame, from] { answer(frame, from); });
        return;
    }
    const bool valid = protocol::frameLength(quint8(frame[0])) != 0 && Pruefsumme(frame) == 0;
    const Fault s = valid ? nextFault() : Fault::None;
    Meter::Reaction r;
    if (!valid || s == Fault::Nak)
        r.reply = QByteArray(1, char(protocol::NAK));
    else if (s == Fault::Silent)
        return;
    else
        r = meter_.handleFrame(frame, when);
    // Timed from when the frame was complete, even if this runs a little late.
    const bool applied = valid && s != Fault::Nak;
    const double work = applied ? workTime(quint8(frame[0])) : 0.0;
    readyFrom_ = std::max(readyFrom_, when + work);
    const double from = when + work + latency;
    sendBytes(withFault(r.reply, s), from);
    if (r.restart) {
        readyFrom_ = std::max(from, outputFree_) + restartTime;
        meter_.restart();
    }
}

double Line::workTime(quint8 command) const {
    switch (command) {
        case protocol::SupportPoints:
        case protocol::WriteByte:
        case protocol::WriteWord:
        case protocol::WriteFloat:
        case protocol::WriteConfig:
        case protocol::EepromByte:
            return writeTime;
        case protocol::Store:
            return storeTime;
        default:
            return 0.0;
    }
}

Fault Line::nextFault() {
    if (!fault.script.isEmpty()) return fault.script.takeFirst();
    for (auto [counter, kind] :
         {std::pair{&fault.silent, Fault::Silent}, std::pair{&fault.nak, Fault::Nak},
          std::pair{&fault.garbage, Fault::Garbage},
          std::pair{&fault.truncated, Fault::Truncated}}) {
        if (*counter > 0) {
            --*counter;
            return kind;
        }
    }
    return Fault::None;
}

QByteArray Line::withFault(QByteArray reply, Fault s) {
    if (reply.isEmpty()) return reply;
    if (s == Fault::Garbage) reply[0] = ' ';
    if (s == Fault::Truncated) reply = reply.left(fault.truncateTo);
    return reply;
}

void Line::sendBytes(const QByteArray& reply, double from) {
    for (char b : reply) {
        const double when = std::max(from, outputFree_) + ByteTime;
        outputFree_ = when;
        time_.schedule(when, [this, b] {
            if (!fault.gone) sink_(QByteArray(1, b));
        });
    }
}
