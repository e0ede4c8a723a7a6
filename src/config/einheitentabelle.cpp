#include "config/einheitentabelle.h"

#include <QFile>

#include "config/saved_file.h"
#include "config/sequential_input.h"
#include "device/numbers.h"

namespace {

const QString EndMarker = QStringLiteral("Ende");

Unit kgh() {
    return {QStringLiteral("kg/h"), 1.0, QStringLiteral("(-)"), QStringLiteral("Luft")};
}

}  // namespace

Einheitentabelle readUnits(const QString& path) {
    Einheitentabelle t;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        t.problems.append({UnitProblem::Kind::Missing, file.errorString()});
    } else {
        SequentialInput reader(QString::fromLatin1(file.readAll()));
        QString name, factor;
        for (;;) {
            if (!reader.next(name)) {
                t.problems.append({UnitProblem::Kind::NoEnd, QString()});
                break;
            }
            if (name == EndMarker) break;
            Unit e{name, 0.0, QString(), QString()};
            if (!reader.next(factor) || !reader.next(e.Normzustand) || !reader.next(e.Gasart)) {
                t.problems.append({UnitProblem::Kind::Incomplete, name});
                break;
            }
            bool ok = false;
            e.Umrechnungsfaktor = factor.toDouble(&ok);
            if (!ok || !(e.Umrechnungsfaktor > 0)) {
                t.problems.append({UnitProblem::Kind::Factor, name});
                continue;
            }
            if (t.entries.size() == Einheitentabelle::Max) {
                t.problems.append(
                    {UnitProblem::Kind::TooMany, QString::number(Einheitentabelle::Max)});
                break;
            }
            t.entries.append(e);
        }
    }
    if (t.entries.isEmpty()) t.entries.append(kgh());
    return t;
}

QString listText(const Unit& e) {
    return e.Einheit + QStringLiteral("  ") + e.Normzustand + QStringLiteral("  ") + e.Gasart;
}

QString addedListText(const Unit& e) {
    return e.Einheit + e.Normzustand + QStringLiteral("  ") + e.Gasart;
}

bool fieldUsable(const QString& text) {
    return !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'));
}

bool writeUnits(const QString& path, const QVector<Unit>& units, QString& error) {
    QByteArray text;
    for (const Unit& u : units)
        for (const QString& line :
             {u.Einheit, strForm(u.Umrechnungsfaktor), u.Normzustand, u.Gasart})
            text += line.toLatin1() + "\r\n";
    text += EndMarker.toLatin1() + "\r\n";
    return saveWhole(path, text, error);
}

namespace {

QString problemText(const UnitProblem& p, Language s) {
    switch (p.kind) {
        case UnitProblem::Kind::Missing:
            return choose(s, QStringLiteral("Die Datei kann nicht gelesen werden (%1)."),
                          QStringLiteral("The file cannot be read (%1)."),
                          QStringLiteral("Le fichier ne peut pas être lu (%1)."))
                .arg(p.detail);
        case UnitProblem::Kind::NoEnd:
            return choose(s, QStringLiteral("Die Zeile \"Ende\" fehlt."),
                          QStringLiteral("The line \"Ende\" is missing."),
                          QStringLiteral("La ligne \"Ende\" manque."));
        case UnitProblem::Kind::Incomplete:
            return choose(s, QStringLiteral("Die Einheit \"%1\" ist unvollständig."),
                          QStringLiteral("The unit \"%1\" is incomplete."),
                          QStringLiteral("L'unité \"%1\" est incomplète."))
                .arg(p.detail);
        case UnitProblem::Kind::Factor:
            return choose(
                       s,
                       QStringLiteral(
                           "Die Einheit \"%1\" hat keinen Faktor über 0 und wird nicht angeboten."),
                       QStringLiteral("The unit \"%1\" has no factor above 0 and is not offered."),
                       QStringLiteral("L'unité \"%1\" n'a pas de facteur supérieur à 0 et n'est "
                                      "pas proposée."))
                .arg(p.detail);
        case UnitProblem::Kind::TooMany:
            return choose(s, QStringLiteral("Nur die ersten %1 Einheiten werden gelesen."),
                          QStringLiteral("Only the first %1 units are read."),
                          QStringLiteral("Seules les %1 premières unités sont lues."))
                .arg(p.detail);
    }
    return QString();
}

}  // namespace

QString problemMessage(const QVector<UnitProblem>& problems, Language s) {
    QString text = choose(s, QStringLiteral("Einheitendatei UNIT.CON:"),
                          QStringLiteral("Units file UNIT.CON:"),
                          QStringLiteral("Fichier des unités UNIT.CON :"));
    for (const UnitProblem& p : problems)
        text += QStringLiteral("\r\n") + problemText(p, s);
    return text;
}
