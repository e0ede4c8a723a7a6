#pragma once

#include <QByteArray>

// Telnet with the COM-port control option, as serial device servers speak it
// in their RFC 2217 mode. Data bytes 0xFF are doubled on the way out and
// single again on the way in; everything else the server sends between
// them (option talk, line-state notes) is answered or dropped here.
namespace telnet {

constexpr quint8 Iac = 255, Dont = 254, Do = 253, Wont = 252, Will = 251, Sb = 250, Se = 240;
constexpr quint8 Binary = 0, SuppressGoAhead = 3, ComPortOption = 44;

// The data as sent on the connection.
QByteArray escape(const QByteArray& data);

// What the tool says first: binary both ways, no go-aheads, and the
// meter's line (baud rate, 8 data bits, no parity, 1 stop bit, no handshake).
QByteArray opening(quint32 baudRate);

// Takes what the server sends, in pieces of any size.
class Decoder {
public:
    // The data bytes in `received`; `answer` gets what the server must be told.
    QByteArray feed(const QByteArray& received, QByteArray& answer);

private:
    enum class State { Data, Command, Option, Sub, SubCommand };
    void negotiate(quint8 option, QByteArray& answer);

    State state_ = State::Data;
    quint8 verb_ = 0;
};

}  // namespace telnet
