#pragma once

#include <QString>
#include <optional>

// A meter behind a serial device server, named by a URL:
//   socket://HOST:PORT   the server passes the bytes through as they are;
//   rfc2217://HOST:PORT  the server speaks Telnet with COM-port control,
//                        and the tool sets the line itself.
struct NetworkAddress {
    enum class Kind { Raw, Rfc2217 };
    Kind kind = Kind::Raw;
    QString host;
    quint16 port = 0;
};

// Whether a port name is written as a URL rather than as a number or a device path.
bool isPortUrl(const QString& name);

// The address a URL names; otherwise empty, with `fault` saying what is wrong with it.
std::optional<NetworkAddress> parseNetworkAddress(const QString& url, QString& fault);
