#include "files/snapshot_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "config/damping.h"
#include "config/saved_file.h"
#include "device/eeprom_map.h"
#include "files/curve_csv.h"
#include "link/byte_order.h"
#include "link/protocol.h"

namespace snapshotStore {
namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd_HHmmss");
const QRegularExpression Name(
    QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d{6})_(.+?)(-\\d+)?\\.bin$"));

// The first name of the three files that none of them has yet.
QString freshBase(const QDir& dir, const QString& stem) {
    QString base = stem;
    for (int n = 2; QFile::exists(dir.filePath(base + QStringLiteral(".bin"))) ||
                    QFile::exists(dir.filePath(base + QStringLiteral(".use")));
         ++n)
        base = stem + QStringLiteral("-%1").arg(n);
    return dir.filePath(base);
}

}  // namespace

QString folder(const QString& programFolder, const QString& serial) {
    QString name = serial.trimmed();
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != '-' && c != '.') c = '_';
    if (name.isEmpty() || name.startsWith('.')) name.prepend('_');
    return QDir(programFolder).filePath(QLatin1String(FolderName) + '/' + name);
}

QString serialOf(const QByteArray& image) {
    if (image.size() < address::Fertigungsnummer + address::FertigungsnummerLength) return {};
    return byteOrder::readText(image, address::Fertigungsnummer, address::FertigungsnummerLength)
        .trimmed();
}

ConfigFile configOf(const MeterParameters& m) {
    ConfigFile c;
    c.Ausgangsart = m.Ausgangsart, c.Analogbereich = m.Analogbereich;
    c.Digitalflags = m.Digitalflags, c.Konfigbyte3 = m.Konfigbyte3;
    c.MEW = m.MEW, c.Schleichmenge = m.Schleichmenge;
    if (m.Filterfaktor > 0 && m.Filterfaktor < 65535)
        c.Daempfungszeit = dampingPosition(m.Filterfaktor);
    c.Frequenzbereich = m.Frequenzbereich;
    c.FrequenzMin = m.FrequenzMin, c.FrequenzMax = m.FrequenzMax;
    c.Impulswert = m.Impulswert, c.Impulsdauer = m.Impulsdauer;
    c.Polaritaet = c.SchaltPolaritaet = m.Polaritaet;
    c.SchaltMin = m.SchaltMin, c.SchaltMax = m.SchaltMax;
    c.Ueberlauf = m.Ueberlauf;
    return c;
}

QString keep(const QString& folder, const QDateTime& when, const QString& operation,
             const QByteArray& image, const MeterParameters* decoded, QString& error) {
    if (image.size() != protocol::EepromSize) {
        error = QStringLiteral("no complete image of the meter was read");
        return {};
    }
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        error = QStringLiteral("cannot create the folder");
        return {};
    }
    const QString base = freshBase(dir, when.toString(TimeFormat) + '_' + operation);
    QVector<QPair<QString, QByteArray>> files;
    if (decoded) {
        files.append({base + QStringLiteral(".use"), configFile::text(configOf(*decoded))});
        // A table the CSV cannot hold whole (an erased one) stays in the image alone.
        QString notWhole;
        const QByteArray curve = curveCsv::text(*decoded, notWhole);
        if (!curve.isEmpty()) files.append({base + QStringLiteral(".csv"), curve});
    }
    files.append({base + QStringLiteral(".bin"), image});  // last: it alone marks a snapshot
    for (int i = 0; i < files.size(); ++i) {
        if (saveWhole(files[i].first, files[i].second, error)) continue;
        for (int j = 0; j < i; ++j)
            QFile::remove(files[j].first);
        return {};
    }
    return files.last().first;
}

QVector<Entry> list(const QString& programFolder, const QString& serial) {
    const QDir root(QDir(programFolder).filePath(QLatin1String(FolderName)));
    const QString only = serial.isEmpty() ? QString() : QFileInfo(folder({}, serial)).fileName();
    QVector<Entry> entries;
    for (const QString& meter : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (!only.isEmpty() && meter != only) continue;
        const QDir dir(root.filePath(meter));
        for (const QString& file : dir.entryList({QLatin1String(Pattern)}, QDir::Files)) {
            const QRegularExpressionMatch m = Name.match(file);
            if (!m.hasMatch()) continue;
            entries.append({meter, QDateTime::fromString(m.captured(1), TimeFormat), m.captured(2),
                            dir.filePath(file)});
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.time < b.time; });
    return entries;
}

QByteArray read(const QString& path, QString& error) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = f.errorString();
        return {};
    }
    const QByteArray image = f.read(protocol::EepromSize + 1);
    if (image.size() == protocol::EepromSize) return image;
    error =
        QStringLiteral("%1 bytes, not an image of %2").arg(image.size()).arg(protocol::EepromSize);
    return {};
}

}  // namespace snapshotStore
