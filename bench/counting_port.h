#pragma once

#include "link/port.h"

// Passes every operation on to a port and counts the requests sent by
// their command byte, and the bytes that crossed the wire both ways.
class CountingPort : public Port {
public:
    explicit CountingPort(Port& p) : p_(p) {}
    int amount(quint8 command) const { return counters_[command]; }
    qint64 bytes() const { return bytes_; }

    void setCommPort(const QString& port) override { p_.setCommPort(port); }
    QString commPort() const override { return p_.commPort(); }
    OpenResult openPort() override { return p_.openPort(); }
    void closePort() override { p_.closePort(); }
    bool portOpen() const override { return p_.portOpen(); }
    void output(const QByteArray& bytes) override {
        if (!bytes.isEmpty()) ++counters_[quint8(bytes[0])];
        bytes_ += bytes.size();
        p_.output(bytes);
    }
    int inBufferCount() override { return p_.inBufferCount(); }
    void clearInBuffer() override { p_.clearInBuffer(); }
    QByteArray input() override {
        const QByteArray in = p_.input();
        bytes_ += in.size();
        return in;
    }

private:
    Port& p_;
    int counters_[256] = {};
    qint64 bytes_ = 0;
};
