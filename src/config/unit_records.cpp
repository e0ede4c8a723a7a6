#include "config/unit_records.h"

#include <QString>
#include <cmath>

#include "config/sequential_input.h"

namespace {

const QString EndMarker = QStringLiteral("Ende");

}  // namespace

UnitRecords scanUnits(const QByteArray& bytes) {
    UnitRecords r;
    // Latin-1 maps each byte to one character, so positions in the text are byte offsets.
    SequentialInput reader(QString::fromLatin1(bytes));
    QString name, factor;
    for (;;) {
        const int begin = reader.position();
        r.insertAt = begin;
        if (!reader.next(name)) {
            r.table.problems.append({UnitProblem::Kind::NoEnd, QString()});
            break;
        }
        if (name == EndMarker) break;
        Unit e{name, 0.0, QString(), QString()};
        if (!reader.next(factor) || !reader.next(e.Normzustand) || !reader.next(e.Gasart)) {
            r.table.problems.append({UnitProblem::Kind::Incomplete, name});
            break;
        }
        bool ok = false;
        e.Umrechnungsfaktor = factor.toDouble(&ok);
        if (!ok || !std::isfinite(e.Umrechnungsfaktor) || !(e.Umrechnungsfaktor > 0)) {
            r.table.problems.append({UnitProblem::Kind::Factor, name});
            continue;
        }
        if (r.table.entries.size() == Einheitentabelle::Max) {
            r.table.problems.append(
                {UnitProblem::Kind::TooMany, QString::number(Einheitentabelle::Max)});
            break;
        }
        r.table.entries.append(e);
        r.spans.append({begin, reader.position()});
    }
    return r;
}
