#include "files/curve_csv.h"

#include <QFile>
#include <QStringList>
#include <charconv>
#include <cmath>

#include "config/saved_file.h"
#include "curve/curve_table.h"
#include "curve/curve_texts.h"
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
    if (counts < 1 || counts > curveTable::MaxCounts)
        return fail(
            QStringLiteral("counts %1 outside 1..%2").arg(counts).arg(curveTable::MaxCounts));
    if (r.counts.size() == curveTable::MaxPoints)
        return fail(QStringLiteral("more than %1 points").arg(curveTable::MaxPoints));
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
        if (!header && !point(line, i + 1, r)) return r;
    }
    if (r.counts.isEmpty()) r.error = QStringLiteral("no support points");
    return r;
}

ReadResult read(const QString& path) {
    QString text;
    ReadResult r;
    return readLatin1(path, text, r.error) ? parse(text) : r;
}

QByteArray text(const MeterParameters& p, QString& error) {
    const QVector<curveTable::Point> entries = curveTable::entries(p);
    if (const curveTable::Fault f = curveTable::check(entries); !f.ok()) {
        error = curveTexts::refused(Language::English, f);
        return QByteArray();
    }
    QByteArray out = Header.toLatin1() + '\n';
    for (const curveTable::Point& point : curveTable::points(entries))
        out += QByteArray::number(point.counts) + ',' + flowText(point.flow) + '\n';
    return out;
}

bool write(const QString& path, const MeterParameters& p, QString& error) {
    const QByteArray bytes = text(p, error);
    return error.isEmpty() && saveWhole(path, bytes, error);
}

void apply(const ReadResult& r, MeterParameters& p) {
    for (int i = 1; i <= MeterParameters::MaxSupportPoints; ++i) {
        const bool given = i <= r.counts.size();
        p.StpCounts[size_t(i)] = given ? r.counts[i - 1] : 0;
        p.StpFlow[size_t(i)] = given ? r.flows[i - 1] : 0.0f;
    }
    p.StpAnzahl = r.counts.size();
}

}  // namespace curveCsv
