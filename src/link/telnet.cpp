#include "link/telnet.h"

namespace telnet {
namespace {

// COM-port control commands, client to server.
constexpr quint8 SetBaudRate = 1, SetDataSize = 2, SetParity = 3, SetStopSize = 4, SetControl = 5;
constexpr quint8 ParityNone = 1, StopBits1 = 1, NoFlowControl = 1, DataBits8 = 8;

QByteArray bytes(std::initializer_list<quint8> list) {
    QByteArray out;
    for (const quint8 b : list)
        out += char(b);
    return out;
}

QByteArray command(quint8 verb, quint8 option) {
    return bytes({Iac, verb, option});
}

QByteArray comPort(quint8 what, const QByteArray& value) {
    return bytes({Iac, Sb, ComPortOption, what}) + escape(value) + bytes({Iac, Se});
}

bool wanted(quint8 option) {
    return option == Binary || option == SuppressGoAhead || option == ComPortOption;
}

}  // namespace

QByteArray escape(const QByteArray& data) {
    QByteArray out;
    out.reserve(data.size() + data.count(char(Iac)));
    for (const char c : data) {
        out += c;
        if (quint8(c) == Iac) out += c;
    }
    return out;
}

QByteArray opening(quint32 baudRate) {
    const QByteArray baud = bytes(
        {quint8(baudRate >> 24), quint8(baudRate >> 16), quint8(baudRate >> 8), quint8(baudRate)});
    return command(Will, Binary) + command(Do, Binary) + command(Will, SuppressGoAhead) +
           command(Do, SuppressGoAhead) + command(Will, ComPortOption) +
           comPort(SetBaudRate, baud) + comPort(SetDataSize, bytes({DataBits8})) +
           comPort(SetParity, bytes({ParityNone})) + comPort(SetStopSize, bytes({StopBits1})) +
           comPort(SetControl, bytes({NoFlowControl}));
}

// The tool asked for the options it wants in its opening, so a server asking
// for those needs no answer; any other option it asks for is refused.
void Decoder::negotiate(quint8 option, QByteArray& answer) {
    if (wanted(option)) return;
    if (verb_ == Do) answer += command(Wont, option);
    if (verb_ == Will) answer += command(Dont, option);
}

QByteArray Decoder::feed(const QByteArray& received, QByteArray& answer) {
    QByteArray data;
    for (const char c : received) {
        const quint8 b = quint8(c);
        switch (state_) {
            case State::Data:
                if (b == Iac)
                    state_ = State::Command;
                else
                    data += c;
                break;
            case State::Command:
                verb_ = b;
                if (b == Iac) data += c;  // a doubled 0xFF is one data byte
                state_ = b == Sb                  ? State::Sub
                         : b >= Will && b <= Dont ? State::Option
                                                  : State::Data;
                break;
            case State::Option:
                negotiate(b, answer);
                state_ = State::Data;
                break;
            case State::Sub:
                if (b == Iac) state_ = State::SubCommand;
                break;
            case State::SubCommand:
                state_ = b == Se ? State::Data : State::Sub;
                break;
        }
    }
    return data;
}

}  // namespace telnet
