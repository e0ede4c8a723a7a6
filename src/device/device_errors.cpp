#include "device/device_errors.h"

#include "link/protocol.h"

QString meterErrorText(int code) {
    switch (code) {
        case 4:
            return QStringLiteral("AD-Wandler Fehler");
        case 5:
            return QStringLiteral("EEPROM Checkbyte Fehler");
        case 6:
            return QStringLiteral("EEPROM Timeout Fehler");
        case 16:
            return QStringLiteral("EEPROM gelöscht");
        case 17:
            return QStringLiteral("Unterspannung erkannt");
        case 255:
            return QStringLiteral("Undefinierter Fehler");
        default:
            return QString();
    }
}

QString AntwortText(const QString& label, const QByteArray& reply) {
    if (reply.size() == 1) {
        const quint8 b = quint8(reply[0]);
        if (b == protocol::DLE) return label + QStringLiteral(" : DLE");
        if (b == protocol::NAK) return label + QStringLiteral("  : NAK");
        return label + QStringLiteral(" : not known");
    }
    QString text = label + QStringLiteral(" : ");
    for (char b : reply)
        text += QLatin1Char(' ') + QString::number(quint8(b));
    return text;
}
