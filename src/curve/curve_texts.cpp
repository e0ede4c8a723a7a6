#include "curve/curve_texts.h"

#include <QStringList>

#include "device/number_format.h"

namespace curveTexts {
namespace {

using Kind = curveTable::Fault::Kind;

QString nothingWritten(Language s) {
    return choose(s, QStringLiteral(" Es wird nichts geschrieben."),
                  QStringLiteral(" Nothing is written."), QStringLiteral(" Rien n'est écrit."));
}

QString why(Language s, const curveTable::Fault& f) {
    switch (f.kind) {
        case Kind::Empty:
            return choose(s, QStringLiteral("Die Tabelle enthält keinen Stützpunkt."),
                          QStringLiteral("The table holds no support point."),
                          QStringLiteral("Le tableau ne contient aucun point d'appui."));
        case Kind::ZeroBeforeLast:
            return choose(s,
                          QStringLiteral("Stützpunkt %1 hat 0 Counts vor dem letzten Stützpunkt "
                                         "%2; das Messgerät würde die Tabelle dort beenden."),
                          QStringLiteral("Support point %1 has 0 counts before the last point "
                                         "%2; the meter would end the table there."),
                          QStringLiteral("Le point d'appui %1 a 0 counts avant le dernier point "
                                         "%2 ; l'appareil y terminerait le tableau."))
                .arg(f.point)
                .arg(f.last);
        case Kind::TooMany:
            return choose(s,
                          QStringLiteral("Die Tabelle hat %1 Stützpunkte; das Messgerät nimmt "
                                         "höchstens %2."),
                          QStringLiteral("The table has %1 support points; the meter takes at "
                                         "most %2."),
                          QStringLiteral("Le tableau a %1 points d'appui ; l'appareil en accepte "
                                         "%2 au plus."))
                .arg(f.point)
                .arg(curveTable::MaxPoints);
        case Kind::Invalid:
            return choose(s,
                          QStringLiteral("Stützpunkt %1 braucht Counts von 1 bis %2 und eine "
                                         "endliche Zahl kg/h."),
                          QStringLiteral("Support point %1 needs counts from 1 to %2 and a finite "
                                         "number of kg/h."),
                          QStringLiteral("Le point d'appui %1 doit avoir des counts de 1 à %2 et "
                                         "un nombre fini de kg/h."))
                .arg(f.point)
                .arg(curveTable::MaxCounts);
        case Kind::None:
            break;
    }
    return QString();
}

}  // namespace

QString refused(Language s, const curveTable::Fault& f) {
    return why(s, f) + nothingWritten(s);
}

QString notRising(Language s, const QList<int>& points) {
    QStringList numbers;
    for (int p : points)
        numbers << QString::number(p);
    return choose(s,
                  QStringLiteral("Die Counts steigen nicht an bei Stützpunkt %1. Die Tabelle "
                                 "wird trotzdem geschrieben."),
                  QStringLiteral("The counts do not rise at support point %1. The table is "
                                 "written all the same."),
                  QStringLiteral("Les counts ne croissent pas au point d'appui %1. Le tableau "
                                 "est écrit quand même."))
        .arg(numbers.join(QStringLiteral(", ")));
}

QString pointName(Language s, int point) {
    return choose(s, QStringLiteral("Stützpunkt %1"), QStringLiteral("Support point %1"),
                  QStringLiteral("Point d'appui %1"))
        .arg(point);
}

QString countName(Language s) {
    return choose(s, QStringLiteral("Anzahl Stützpunkte"),
                  QStringLiteral("Number of support points"),
                  QStringLiteral("Nombre de points d'appui"));
}

QString point(const curveTable::Point& p) {
    return QStringLiteral("%1 Counts, %2 kg/h").arg(p.counts).arg(numberFormat::shortest(p.flow));
}

QString noPoint(Language s) {
    return choose(s, QStringLiteral("keinen Stützpunkt"), QStringLiteral("no point"),
                  QStringLiteral("aucun point"));
}

}  // namespace curveTexts
