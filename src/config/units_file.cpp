#include "config/units_file.h"

#include <QFile>
#include <QLocale>
#include <algorithm>

#include "config/einheitentabelle.h"
#include "config/saved_file.h"
#include "config/unit_records.h"

namespace unitsFile {
namespace {

// What a missing file is taken to hold: no unit, so kg/h is offered.
const QByteArray EmptyTable = "Ende\r\n";

bool same(const Unit& a, const Unit& b) {
    return a.Einheit == b.Einheit && a.Umrechnungsfaktor == b.Umrechnungsfaktor &&
           a.Normzustand == b.Normzustand && a.Gasart == b.Gasart;
}

// The units offered from the file, as readUnits gives them.
QVector<Unit> offered(const UnitRecords& r) {
    return r.table.entries.isEmpty() ? QVector<Unit>{fallbackUnit()} : r.table.entries;
}

bool same(const QVector<Unit>& a, const QVector<Unit>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Unit& x, const Unit& y) { return same(x, y); });
}

// The first line end of the file; CR LF for a file without one.
QByteArray lineEnd(const QByteArray& bytes) {
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') return "\n";
        if (bytes[i] == '\r') return bytes.mid(i + 1, 1) == "\n" ? "\r\n" : "\r";
    }
    return "\r\n";
}

bool endsField(char c) {
    return c == '\n' || c == '\r' || c == ',';
}

// The shortest digits that read back as the factor, with the blank of a positive number.
QString factorText(double factor) {
    return QLatin1Char(' ') + QString::number(factor, 'f', QLocale::FloatingPointShortest);
}

QByteArray recordBytes(const Unit& u, const QByteArray& eol) {
    QByteArray text;
    for (const QString& line :
         {u.Einheit, factorText(u.Umrechnungsfaktor), u.Normzustand, u.Gasart})
        text += line.toLatin1() + eol;
    return text;
}

bool load(const QString& path, QByteArray& bytes, QString& error) {
    QFile file(path);
    if (!file.exists()) {
        bytes = EmptyTable;
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    return true;
}

// Writes the edited bytes when they read as the table `expected`, which a
// record beyond the 50th may follow once one is deleted; a record that
// swallows what follows it (a double quote never closed) would not read so.
Result save(const QString& path, const QByteArray& bytes, const QVector<Unit>& expected,
            QString& error) {
    if (!same(offered(scanUnits(bytes)).mid(0, expected.size()), expected))
        return Result::Entangled;
    return saveWhole(path, bytes, error) ? Result::Done : Result::Failed;
}

}  // namespace

FieldFault fieldFault(const QString& text, bool isName) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF) return FieldFault::NotLatin1;
    for (const QChar c : text)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c.unicode() < 0x20 ||
            c.unicode() == 0x7F)
            return FieldFault::Unreadable;
    if (isName && text.trimmed() == QLatin1String("Ende")) return FieldFault::EndMarker;
    if (isName && text.trimmed().isEmpty()) return FieldFault::NoName;
    return FieldFault::None;
}

Result add(const QString& path, const QVector<Unit>& known, const Unit& u, QString& error) {
    QByteArray bytes;
    if (!load(path, bytes, error)) return Result::Failed;
    const UnitRecords r = scanUnits(bytes);
    if (!same(offered(r), known)) return Result::Changed;
    const QByteArray eol = lineEnd(bytes);
    QByteArray text = recordBytes(u, eol);
    // kg/h, offered while the file has no unit, is written with the first one.
    if (r.table.entries.isEmpty()) text.prepend(recordBytes(fallbackUnit(), eol));
    if (r.insertAt > 0 && !endsField(bytes[r.insertAt - 1])) text.prepend(eol);
    bytes.insert(r.insertAt, text);
    return save(path, bytes, QVector<Unit>(known) << u, error);
}

Result remove(const QString& path, const QVector<Unit>& known, int position, QString& error) {
    QByteArray bytes;
    if (!load(path, bytes, error)) return Result::Failed;
    const UnitRecords r = scanUnits(bytes);
    if (!same(offered(r), known) || position < 0 || position >= r.spans.size())
        return Result::Changed;
    const UnitRecords::Span s = r.spans[position];
    bytes.remove(s.begin, s.end - s.begin);
    QVector<Unit> left = known;
    left.remove(position);
    return save(path, bytes, left, error);
}

}  // namespace unitsFile
