#include "files/curve_csv.h"

#include <QFile>
#include <QStringList>
#include <charconv>
#include <cmath>

#include "config/saved_file.h"
#include "curve/support_points.h"
#include "files/text_file.h"

namespace curveCsv {
namespace {

const QString Header = QStringLiteral("counts,kg/h");

// Fixed notation, so no spreadsheet mistakes an exponent for text.
QByteArray flowText(float flow) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, flow, std::chars_format::fixed);
    return QByteArray(buffer, int(r.ptr - buffer));
}

// Reads one line into the result; false with the error when it is not a point.
bool point(const QString& line, int number, ReadResult& r) {
    const auto fail = [&](const QString& why) {
        r.error = QStringLiteral("line %1: %2").arg(QString::number(number), why);
        return false;
    };
    const QStringList fields = line.split(QLatin1Char(','));
    bool countsOk = false, flowOk = false;
    const int counts = fields.size() == 2 ? fields[0].trimmed().toInt(&countsOk) : 0;
    const float flow = fields.size() == 2 ? fields[1].trimmed().toFloat(&flowOk) : 0;
    if (!countsOk || !flowOk || !std::isfinite(flow))
        return fail(QStringLiteral("not two numbers \"counts,kg/h\""));
    if (counts < 0 || counts > MaxCounts)
        return fail(QStringLiteral("counts %1 outside 0..%2").arg(counts).arg(MaxCounts));
    if (r.counts.size() == supportPoints::Shown)
        return fail(QStringLiteral("more than %1 points").arg(supportPoints::Shown));
    r.counts.append(counts);
    r.flows.append(flow);
    return true;
}

}  // namespace

ReadResult parse(const QString& text) {
    ReadResult r;
    const QStringList lines = text.split(QLatin1Char('\n'));
    bool headerAllowed = true;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        const bool header = headerAllowed && line.compare(Header, Qt::CaseInsensitive) == 0;
        headerAllowed = false;
        if (!header && !point(line, i + 1, r)) break;
    }
    return r;
}

ReadResult read(const QString& path) {
    QString text;
    ReadResult r;
    return readLatin1(path, text, r.error) ? parse(text) : r;
}

QByteArray text(const MeterParameters& p) {
    QByteArray out = Header.toLatin1() + '\n';
    for (int i = 1; i <= supportPoints::Shown && p.StpCounts[size_t(i)] != 0; ++i)
        out += QByteArray::number(p.StpCounts[size_t(i)]) + ',' + flowText(p.StpFlow[size_t(i)]) +
               '\n';
    return out;
}

bool write(const QString& path, const MeterParameters& p, QString& error) {
    return saveWhole(path, text(p), error);
}

void apply(const ReadResult& r, MeterParameters& p) {
    for (int i = 1; i <= supportPoints::Shown; ++i) {
        const bool given = i <= r.counts.size();
        p.StpCounts[size_t(i)] = given ? r.counts[i - 1] : 0;
        p.StpFlow[size_t(i)] = given ? r.flows[i - 1] : 0.0f;
    }
    p.StpAnzahl = r.counts.size();
}

}  // namespace curveCsv
