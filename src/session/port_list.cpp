#include "session/port_list.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

struct Familie {
    const char* praefix;
    int erste;
};

constexpr Familie Familien[] = {
    {"/dev/ttyS", 1}, {"/dev/ttyUSB", 101}, {"/dev/ttyACM", 201}, {"/dev/ttyAMA", 301}};
constexpr int ErsteSonstige = 401;

int nummerNachRegel(const QString& pfad) {
    static const QRegularExpression windows(QStringLiteral("COM([1-9][0-9]*)$"));
    const auto com = windows.match(pfad);
    if (com.hasMatch()) return com.captured(1).toInt();
    for (const Familie& f : Familien) {
        const QString praefix = QLatin1String(f.praefix);
        if (!pfad.startsWith(praefix)) continue;
        bool ok = false;
        const int k = pfad.mid(praefix.size()).toInt(&ok);
        if (ok && k >= 0) return f.erste + k;
    }
    return 0;
}

QMap<int, QString> verknuepfungen(const QString& portsOrdner) {
    QMap<int, QString> links;
    if (portsOrdner.isEmpty()) return links;
    static const QRegularExpression name(QStringLiteral("^com([1-9][0-9]*)$"));
    const QFileInfoList eintraege = QDir(portsOrdner).entryInfoList(QDir::System | QDir::Files);
    for (const QFileInfo& e : eintraege) {
        const auto treffer = name.match(e.fileName());
        if (treffer.hasMatch()) links.insert(treffer.captured(1).toInt(), e.absoluteFilePath());
    }
    return links;
}

}  // namespace

QVector<NummerierterPort> portsNummerieren(const QStringList& geraete, const QString& portsOrdner) {
    QMap<int, QString> ports = verknuepfungen(portsOrdner);
    QStringList sonstige;
    for (const QString& pfad : geraete) {
        const int n = nummerNachRegel(pfad);
        if (n == 0)
            sonstige << pfad;
        else if (!ports.contains(n))
            ports.insert(n, pfad);
    }
    std::sort(sonstige.begin(), sonstige.end());
    int n = ErsteSonstige;
    for (const QString& pfad : sonstige) {
        while (ports.contains(n))
            ++n;
        ports.insert(n++, pfad);
    }
    QVector<NummerierterPort> liste;
    for (auto it = ports.cbegin(); it != ports.cend(); ++it)
        liste.append({it.key(), it.value()});
    return liste;
}

QStringList seriellePortsDesSystems() {
    QStringList pfade;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        pfade << info.systemLocation();
    return pfade;
}

QString portPfad(int nummer, const QString& portsOrdner) {
    for (const NummerierterPort& p : portsNummerieren(seriellePortsDesSystems(), portsOrdner))
        if (p.nummer == nummer) return p.pfad;
    return QString();
}
