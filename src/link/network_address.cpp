#include "link/network_address.h"

#include <QUrl>

namespace {

constexpr char Separator[] = "://";

}  // namespace

bool isPortUrl(const QString& name) {
    return name.contains(QLatin1String(Separator));
}

std::optional<NetworkAddress> parseNetworkAddress(const QString& url, QString& fault) {
    const QUrl u(url, QUrl::StrictMode);
    NetworkAddress a;
    if (u.scheme() == QLatin1String("socket")) {
        a.kind = NetworkAddress::Kind::Raw;
    } else if (u.scheme() == QLatin1String("rfc2217")) {
        a.kind = NetworkAddress::Kind::Rfc2217;
    } else {
        fault = QStringLiteral("a network port is socket://HOST:PORT or rfc2217://HOST:PORT");
        return std::nullopt;
    }
    const bool bare =
        u.path().isEmpty() && !u.hasQuery() && !u.hasFragment() && u.userInfo().isEmpty();
    if (!u.isValid() || u.host().isEmpty() || !bare) {
        fault = QStringLiteral("expected %1://HOST:PORT").arg(u.scheme());
        return std::nullopt;
    }
    if (u.port() <= 0) {
        fault = QStringLiteral("the TCP port must be a number from 1 to 65535");
        return std::nullopt;
    }
    a.host = u.host();
    a.port = quint16(u.port());
    return a;
}
