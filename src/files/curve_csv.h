#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include "device/meter_parameters.h"

// The support points as CSV for the command-line tool: a header line
// "counts,kg/h", then one point a line, "." as the decimal point, LF.
namespace curveCsv {

// The points of a file, or the error, naming its line, that stopped
// reading (the points before it are kept). A file without points is an
// error too: writing it would erase the meter's table.
struct ReadResult {
    QVector<qint32> counts;
    QVector<float> flows;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The header is optional, blank lines are skipped, CR LF is read as LF.
// Every point needs counts 1 to 4095: a point without counts would end the
// meter's table there.
ReadResult parse(const QString& text);
ReadResult read(const QString& path);

// The table's points, each flow in the shortest form that reads back as the
// same float. A table that could not be written back whole (no point, one
// without counts before the last, more than 30, a value the meter cannot
// hold) gives nothing but the reason in `error`: a file of part of it would
// pass for all of it.
QByteArray text(const MeterParameters& p, QString& error);

// Writes the whole file or nothing; false with the reason in `error`.
bool write(const QString& path, const MeterParameters& p, QString& error);

// Puts the points read at 1..n of the table and clears the rest of it.
void apply(const ReadResult& r, MeterParameters& p);

}  // namespace curveCsv
