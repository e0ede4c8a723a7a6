#include "session/port_list.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

#include "link/network_address.h"

namespace {

struct Family {
    const char* prefix;
    int initial;
};

constexpr Family Families[] = {
    {"/dev/ttyS", 1}, {"/dev/ttyUSB", 101}, {"/dev/ttyACM", 201}, {"/dev/ttyAMA", 301}};
constexpr int FirstOther = 401;
constexpr qint64 MaxUrlFileSize = 4096;  // a file naming a URL is a line

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

// A plain file comN whose first line is a URL names a meter behind a serial
// device server; anything else (a link to a device) is opened as it is.
QString portBehind(const QFileInfo& entry) {
    if (entry.isSymLink() || !entry.isFile() || entry.size() > MaxUrlFileSize)
        return entry.absoluteFilePath();
    QFile f(entry.absoluteFilePath());
    if (!f.open(QIODevice::ReadOnly)) return entry.absoluteFilePath();
    const QString url = QString::fromUtf8(f.readLine()).trimmed();
    return isPortUrl(url) ? url : entry.absoluteFilePath();
}

QMap<int, QString> portLinks(const QString& portsFolder) {
    QMap<int, QString> links;
    if (portsFolder.isEmpty()) return links;
    static const QRegularExpression name(QStringLiteral("^com([1-9][0-9]*)$"));
    const QFileInfoList entries = QDir(portsFolder).entryInfoList(QDir::System | QDir::Files);
    for (const QFileInfo& e : entries) {
        const auto hit = name.match(e.fileName());
        if (hit.hasMatch()) links.insert(hit.captured(1).toInt(), portBehind(e));
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
