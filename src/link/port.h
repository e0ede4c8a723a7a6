#pragma once

#include <QByteArray>
#include <QString>

// Why opening a port failed; the window maps each kind onto its own message.
enum class PortFehler { Keiner, Belegt, KeineBerechtigung, NichtVorhanden, SchonOffen, Anderer };

struct PortOeffnung {
    PortFehler fehler = PortFehler::Keiner;
    QString beschreibung;
    bool ok() const { return fehler == PortFehler::Keiner; }
};

// The few serial operations the link uses, named after the properties of the
// communications control they replace. Production uses QSerialPort; tests and
// the demo use the meter simulator.
class Port {
public:
    virtual ~Port() = default;

    // CommPort: a port number ("3") or a device path ("/dev/pts/4").
    virtual void setCommPort(const QString& port) = 0;
    virtual QString commPort() const = 0;

    // PortOpen: opening discards whatever arrived before.
    virtual PortOeffnung oeffnen() = 0;
    virtual void schliessen() = 0;
    virtual bool portOpen() const = 0;

    // Output: the whole frame at once.
    virtual void output(const QByteArray& bytes) = 0;
    // InBufferCount read / write 0.
    virtual int inBufferCount() = 0;
    virtual void inBufferLeeren() = 0;
    // Input: takes every buffered byte.
    virtual QByteArray input() = 0;
};
