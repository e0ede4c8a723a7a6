#include "session/port_list.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

struct Family {
    const char* prefix;
    int initial;
};

constexpr Family Families[] = {
    {"/dev/ttyS", 1}, {"/dev/ttyUSB", 101}, {"/dev/ttyACM", 201}, {"/dev/ttyAMA", 301}};
constexpr int FirstOther = 401;

int numberByRule(const QString& path) {
    static const QRegularExpression windows(QStringLiteral("COM([1-9][0-9]*)$"));
    const auto com = windows.match(path);
    if (com.hasMatch()) return com.captured(1).toInt();
    for (const Family& f : Families) {
        const QString prefix = QLatin1String(f.prefix);
        if (!path.startsWith(prefix)) continue;
        bool ok = false;
        const int k = path.mid(prefix.size()).toInt(&ok);
        if (ok && k >= 0) return f.initial + k;
    }
    return 0;
}

QMap<int, QString> portLinks(const QString& portsFolder) {
    QMap<int, QString> links;
    if (portsFolder.isEmpty()) return links;
    static const QRegularExpression name(QStringLiteral("^com([1-9][0-9]*)$"));
    const QFileInfoList entries = QDir(portsFolder).entryInfoList(QDir::System | QDir::Files);
    for (const QFileInfo& e : entries) {
        const auto hit = name.match(e.fileName());
        if (hit.hasMatch()) links.insert(hit.captured(1).toInt(), e.absoluteFilePath());
    }
    return links;
}

}  // namespace

QVector<NumberedPort> numberPorts(const QStringList& devices, const QString& portsFolder) {
    QMap<int, QString> ports = portLinks(portsFolder);
    QStringList others;
    for (const QString& path : devices) {
        const int n = numberByRule(path);
        if (n == 0)
            others << path;
        else if (!ports.contains(n))
            ports.insert(n, path);
    }
    std::sort(others.begin(), others.end());
    int n = FirstOther;
    for (const QString& path : others) {
        while (ports.contains(n))
            ++n;
        ports.insert(n++, path);
    }
    QVector<NumberedPort> list;
    for (auto it = ports.cbegin(); it != ports.cend(); ++it)
        list.append({it.key(), it.value()});
    return list;
}

QStringList systemSerialPorts() {
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths << info.systemLocation();
    return paths;
}

QString portPath(int number, const QString& portsFolder) {
    for (const NumberedPort& p : numberPorts(systemSerialPorts(), portsFolder))
        if (p.number == number) return p.path;
    return QString();
}
