#include "features/unit_messages.h"

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

namespace {

QString fieldName(Language s, UnitField field) {
    switch (field) {
        case UnitField::Name:
            return choose(s, QStringLiteral("Name"), QStringLiteral("Name"), QStringLiteral("Nom"));
        case UnitField::Condition:
            return choose(s, QStringLiteral("Normzustand"), QStringLiteral("Standard condition"),
                          QStringLiteral("État normal"));
        case UnitField::Gas:
        case UnitField::Factor:
            break;
    }
    return choose(s, QStringLiteral("Gasart"), QStringLiteral("Gas"), QStringLiteral("Gaz"));
}

QString reason(Language s, unitsFile::FieldFault fault) {
    switch (fault) {
        case unitsFile::FieldFault::NotLatin1:
            return choose(s,
                          QStringLiteral("UNIT.CON nimmt nur Zeichen des Zeichensatzes Latin-1 "
                                         "(Westeuropa) auf."),
                          QStringLiteral("UNIT.CON holds only characters of the Latin-1 (Western "
                                         "European) character set."),
                          QStringLiteral("UNIT.CON ne contient que des caractères du jeu Latin-1 "
                                         "(Europe occidentale)."));
        case unitsFile::FieldFault::EndMarker:
            return choose(s,
                          QStringLiteral("\"Ende\" beendet die Tabelle in UNIT.CON und kann "
                                         "keine Einheit benennen."),
                          QStringLiteral("\"Ende\" ends the table in UNIT.CON and cannot name a "
                                         "unit."),
                          QStringLiteral("\"Ende\" termine la table dans UNIT.CON et ne peut pas "
                                         "nommer une unité."));
        case unitsFile::FieldFault::NoName:
            return choose(s, QStringLiteral("Eine Einheit braucht einen Namen."),
                          QStringLiteral("A unit needs a name."),
                          QStringLiteral("Une unité a besoin d'un nom."));
        case unitsFile::FieldFault::Unreadable:
        case unitsFile::FieldFault::None:
            break;
    }
    return choose(s,
                  QStringLiteral("Ein Komma, ein Anführungszeichen oder ein Steuerzeichen kann "
                                 "UNIT.CON nicht zurücklesen."),
                  QStringLiteral("UNIT.CON cannot read back a comma, a double quote or a control "
                                 "character."),
                  QStringLiteral("UNIT.CON ne peut pas relire une virgule, un guillemet ou un "
                                 "caractère de contrôle."));
}

}  // namespace

QString fieldRefused(Language s, UnitField field, const QString& text,
                     unitsFile::FieldFault fault) {
    return fieldName(s, field) + QStringLiteral(" \"") + text + QStringLiteral("\": ") +
           reason(s, fault);
}

QString fileChanged(Language s) {
    return choose(s,
                  QStringLiteral("UNIT.CON wurde geändert, seit die Einheiten gelesen wurden; "
                                 "die Listen zeigen jetzt die Datei. Bitte wählen Sie erneut."),
                  QStringLiteral("UNIT.CON has changed since the units were read; the lists now "
                                 "show the file. Please choose again."),
                  QStringLiteral("UNIT.CON a été modifié depuis la lecture des unités ; les "
                                 "listes montrent maintenant le fichier. Choisissez de nouveau "
                                 "S.V.P."));
}

QString fileEntangled(Language s) {
    return choose(s,
                  QStringLiteral("UNIT.CON bleibt unverändert: die Änderung würde dort weitere "
                                 "Einträge verändern (ein nicht geschlossenes "
                                 "Anführungszeichen?). Bitte prüfen Sie die Datei."),
                  QStringLiteral("UNIT.CON is left unchanged: the change would alter further "
                                 "entries in it (a double quote never closed?). Please check the "
                                 "file."),
                  QStringLiteral("UNIT.CON reste inchangé : la modification y changerait "
                                 "d'autres entrées (un guillemet jamais fermé ?). Vérifiez le "
                                 "fichier S.V.P."));
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
