#include "session/unit_messages.h"

namespace unitMessages {

QString tableFull(Language s, int max) {
    return choose(s,
                  QStringLiteral("Die Einheitentabelle ist voll: sie nimmt höchstens %1 "
                                 "Einheiten auf. Bitte löschen Sie zuerst eine Einheit."),
                  QStringLiteral("The units table is full: it holds at most %1 units. Please "
                                 "delete a unit first."),
                  QStringLiteral("La table des unités est pleine : elle contient au plus %1 "
                                 "unités. Supprimez d'abord une unité S.V.P."))
        .arg(max);
}

QString fieldRefused(Language s) {
    return choose(s,
                  QStringLiteral("Name, Normzustand und Gasart dürfen weder Komma noch "
                                 "Anführungszeichen enthalten."),
                  QStringLiteral("Name, standard condition and gas must contain neither a comma "
                                 "nor a double quote."),
                  QStringLiteral("Le nom, l'état normal et le gaz ne doivent contenir ni virgule "
                                 "ni guillemet."));
}

QString fileNotWritten(Language s, const QString& reason) {
    return choose(s, QStringLiteral("UNIT.CON konnte nicht geschrieben werden: %1"),
                  QStringLiteral("UNIT.CON could not be written: %1"),
                  QStringLiteral("UNIT.CON n'a pas pu être écrit : %1"))
        .arg(reason);
}

QString title(Language s) {
    return choose(s, QStringLiteral("Einheiten"), QStringLiteral("Units"),
                  QStringLiteral("Unités"));
}

}  // namespace unitMessages
