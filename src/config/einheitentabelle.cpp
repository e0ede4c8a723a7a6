#include "config/einheitentabelle.h"

#include <QFile>

#include "config/unit_records.h"

Unit fallbackUnit() {
    return {QStringLiteral("kg/h"), 1.0, QStringLiteral("(-)"), QStringLiteral("Luft")};
}

Einheitentabelle readUnits(const QString& path) {
    Einheitentabelle t;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        t = scanUnits(file.readAll()).table;
    else
        t.problems.append({UnitProblem::Kind::Missing, file.errorString()});
    if (t.entries.isEmpty()) t.entries.append(fallbackUnit());
    return t;
}

QString listText(const Unit& e) {
    return e.Einheit + QStringLiteral("  ") + e.Normzustand + QStringLiteral("  ") + e.Gasart;
}

QString addedListText(const Unit& e) {
    return e.Einheit + e.Normzustand + QStringLiteral("  ") + e.Gasart;
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
