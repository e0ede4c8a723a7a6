#include "session/port_texts.h"

QString missingGroup(Language s, const QString& meter, const QString& group) {
    return choose(s,
                  QStringLiteral(
                      "Keine Berechtigung für %1: Der Benutzer gehört vermutlich nicht zur Gruppe "
                      "\"%2\", der das Gerät gehört."),
                  QStringLiteral(
                      "No permission for %1: the user is probably not in the group \"%2\" that "
                      "owns the device."),
                  QStringLiteral(
                      "Pas d'autorisation pour %1 : l'utilisateur n'appartient probablement pas au "
                      "groupe \"%2\" propriétaire de l'appareil."))
        .arg(meter, group);
}

QString hardwareTestError(const QString& description) {
    return QStringLiteral("Error in function Hardwaretest : ") + description;
}
