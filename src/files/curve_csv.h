#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include "device/meter_parameters.h"

// The support points as CSV for the command-line tool: a header line
// "counts,kg/h", then one point a line, "." as the decimal point, LF.
namespace curveCsv {

constexpr int MaxCounts = 4095;

// The points of a file, or the error, naming its line, that stopped
// reading (the points before it are kept).
struct ReadResult {
    QVector<qint32> counts;
    QVector<float> flows;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The header is optional, blank lines are skipped, CR LF is read as LF.
ReadResult parse(const QString& text);
ReadResult read(const QString& path);

// The points from point 1 up to the first without counts, at most 30, each
// flow in the shortest form that reads back as the same float.
QByteArray text(const MeterParameters& p);

// Writes the whole file or nothing; false with the reason in `error`.
bool write(const QString& path, const MeterParameters& p, QString& error);

// Puts the points read at 1..n of the shown table and clears the rest of it.
void apply(const ReadResult& r, MeterParameters& p);

}  // namespace curveCsv
