#pragma once

#include "link/port.h"

// Passes every operation on to a port and counts the requests sent by
// their command byte.
class ZaehlenderPort : public Port {
public:
    explicit ZaehlenderPort(Port& p) : p_(p) {}
    int anzahl(quint8 befehl) const { return zaehler_[befehl]; }

    void setCommPort(const QString& port) override { p_.setCommPort(port); }
    QString commPort() const override { return p_.commPort(); }
    PortOeffnung oeffnen() override { return p_.oeffnen(); }
    void schliessen() override { p_.schliessen(); }
    bool portOpen() const override { return p_.portOpen(); }
    void output(const QByteArray& bytes) override {
        if (!bytes.isEmpty()) ++zaehler_[quint8(bytes[0])];
        p_.output(bytes);
    }
    int inBufferCount() override { return p_.inBufferCount(); }
    void inBufferLeeren() override { p_.inBufferLeeren(); }
    QByteArray input() override { return p_.input(); }

private:
    Port& p_;
    int zaehler_[256] = {};
};
