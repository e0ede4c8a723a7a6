#include "files/settings_file.h"

#include <QFile>
#include <QStringList>

#include "config/saved_file.h"
#include "device/numbers.h"

namespace settingsFile {
namespace {

constexpr double MaxPortNumber = 99999;

// One field of a line: blanks around it skipped, a comma ends it.
QString field(const QStringList& rows, int i) {
    if (i >= rows.size()) return QString();
    return rows[i].section(QLatin1Char(','), 0, 0).trimmed();
}

// The period is the decimal point whatever the desktop's number format.
QString numberText(double value) {
    return QString::number(value, 'g', 15);
}

}  // namespace

Settings read(const QString& path) {
    Settings e;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return e;
    const QString content = QString::fromLatin1(file.readAll());
    QStringList rows = content.split(QLatin1Char('\n'));
    for (QString& z : rows)
        z.remove(QLatin1Char('\r'));
    e.PortName = field(rows, 0);
    // A number no port can have means no port is configured.
    const double port = leadingNumber(field(rows, 1));
    e.PortNumber = port >= 0 && port <= MaxPortNumber ? int(port) : 0;
    e.ParallelPort = field(rows, 2);
    e.Language = field(rows, 3);
    e.unit.Einheit = field(rows, 4);
    e.unit.Umrechnungsfaktor = leadingNumber(field(rows, 5));
    e.unit.Normzustand = field(rows, 6);
    e.unit.Gasart = field(rows, 7);
    return e;
}

bool write(const QString& path, const Settings& e) {
    const QStringList rows = {
        e.PortName,     QString::number(e.PortNumber),        e.ParallelPort,     e.Language,
        e.unit.Einheit, numberText(e.unit.Umrechnungsfaktor), e.unit.Normzustand, e.unit.Gasart};
    QByteArray text;
    for (const QString& z : rows)
        text += z.toLatin1() + "\r\n";
    QString error;
    return saveWhole(path, text, error);
}

}  // namespace settingsFile
