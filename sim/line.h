#pragma once

#include <QByteArray>
#include <QList>
#include <QVector>
#include <functional>

#include "link/protocol.h"
#include "sim/meter.h"
#include "sim/scheduler.h"

enum class Fault { None, Nak, Garbage, Truncated, Silent };

// Faults the simulated meter shows on demand. The script names the fault of
// each of the next replies in turn; after it, each counter covers that many
// of the following replies.
struct FaultPlan {
    QList<Fault> script;
    int nak = 0;         // answer NAK instead
    int garbage = 0;     // first reply byte replaced by a blank
    int truncated = 0;   // reply cut short ...
    int truncateTo = 1;  // ... to this many bytes
    int silent = 0;      // no reply at all
    bool gone = false;   // the port is gone: nothing is received or answered
};

// What the meter does with a request that arrives while it is still
// applying a write, storing or restarting.
enum class WhileBusy { Queue, Drop };

struct ReceivedFrame {
    double time;  // when the host sent its first byte
    QByteArray bytes;
};

// The serial line between host and meter at 9600 baud: it splits the byte
// stream into frames, charges wire time for every byte in both directions,
// adds the meter's latency and the time it takes to apply a write or to
// store, keeps a busy or restarting meter silent, injects faults and records
// every frame received.
class Line {
public:
    static constexpr double ByteTime = protocol::ByteTime;
    static constexpr double FrameGap = 0.05;  // a pause this long drops a partial frame

    Line(Meter& meter, Scheduler& time, std::function<void(const QByteArray&)> sink);

    // Bytes from the host, arriving now.
    void receive(const QByteArray& bytes);
    // The frames received so far, without their times.
    QVector<QByteArray> frame() const;

    double latency = 0.002;
    double writeTime = 0.02;   // a write is acknowledged once it is applied
    double storeTime = 0.25;   // the store is acknowledged once the EEPROM holds the data
    double restartTime = 1.0;  // silent after a reset
    WhileBusy whileBusy = WhileBusy::Queue;
    FaultPlan fault;
    QVector<ReceivedFrame> transcript;

private:
    void byteArrived(char b, double sent, double arrival);
    void frameComplete(const QByteArray& frame, double arrival);
    void answer(const QByteArray& frame, double when);
    Fault nextFault();
    QByteArray withFault(QByteArray reply, Fault s);
    double workTime(quint8 command) const;
    void sendBytes(const QByteArray& reply, double from);

    Meter& meter_;
    Scheduler& time_;
    std::function<void(const QByteArray&)> sink_;
    QByteArray partial_;
    double partialSent_ = 0;
    double lastArrival_ = -1;
    bool discarding_ = false;
    double inputFree_ = 0;
    double outputFree_ = 0;
    double readyFrom_ = 0;
};
