#pragma once

#include <QByteArray>
#include <QString>

// Why opening a port failed; the window maps each kind onto its own message.
enum class PortError { NoError, Busy, NoPermission, NotFound, AlreadyOpen, Other };

struct OpenResult {
    PortError fault = PortError::NoError;
    QString description;
    bool ok() const { return fault == PortError::NoError; }
};

// The few serial operations the link uses, named after the properties of the
// communications control they replace. Production uses the system's serial
// port; tests and the demo use the meter simulator.
class Port {
public:
    virtual ~Port() = default;

    // CommPort: a port number ("3") or a device path ("/dev/pts/4").
    virtual void setCommPort(const QString& port) = 0;
    virtual QString commPort() const = 0;

    // PortOpen: opening discards whatever arrived before.
    virtual OpenResult openPort() = 0;
    virtual void closePort() = 0;
    virtual bool portOpen() const = 0;

    // Output: the whole frame at once.
    virtual void output(const QByteArray& bytes) = 0;
    // InBufferCount read / write 0.
    virtual int inBufferCount() = 0;
    virtual void clearInBuffer() = 0;
    // Input: takes every buffered byte.
    virtual QByteArray input() = 0;

    // Whether arriving bytes are reported as they come. While a reply cannot
    // yet be whole the link switches the reports off; the bytes wait and are
    // still there when asked for.
    virtual void watchInput(bool on) { (void)on; }
};
