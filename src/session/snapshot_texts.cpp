#include "session/snapshot_texts.h"

namespace snapshotTexts {

QString notKept(Language s, const QString& folder, const QString& reason) {
    return choose(s,
                  QStringLiteral("Die Sicherung des Messgeräts kann in %1 nicht angelegt werden "
                                 "(%2). Es wurde nichts geschrieben."),
                  QStringLiteral("The meter's snapshot cannot be kept in %1 (%2). Nothing was "
                                 "written."),
                  QStringLiteral("La sauvegarde de l'appareil ne peut pas être créée dans %1 (%2). "
                                 "Rien n'a été écrit."))
        .arg(folder, reason);
}

QString title(Language s) {
    return choose(s, QStringLiteral("Sicherung"), QStringLiteral("Snapshot"),
                  QStringLiteral("Sauvegarde"));
}

QString filter(Language s) {
    return choose(s, QStringLiteral("Sicherungen (*.bin)"), QStringLiteral("Snapshots (*.bin)"),
                  QStringLiteral("Sauvegardes (*.bin)"));
}

QString unreadable(Language s, const QString& path, const QString& reason) {
    return choose(s, QStringLiteral("Die Sicherung %1 kann nicht gelesen werden: %2"),
                  QStringLiteral("The snapshot %1 cannot be read: %2"),
                  QStringLiteral("La sauvegarde %1 ne peut pas être lue : %2"))
        .arg(path, reason);
}

QString undecodable(Language s, const QString& reason) {
    return choose(s, QStringLiteral("Die Sicherung kann nicht ausgewertet werden: %1"),
                  QStringLiteral("The snapshot cannot be decoded: %1"),
                  QStringLiteral("La sauvegarde ne peut pas être évaluée : %1"))
        .arg(reason);
}

QString otherMeter(Language s, const QString& snapshot, const QString& meter) {
    return choose(s, QStringLiteral("Die Sicherung stammt vom Messgerät %1, angeschlossen ist %2."),
                  QStringLiteral("The snapshot is of meter %1; the meter connected is %2."),
                  QStringLiteral("La sauvegarde est celle de l'appareil %1 ; l'appareil raccordé "
                                 "est %2."))
        .arg(snapshot, meter);
}

QString question(Language s, const QStringList& changes) {
    return choose(s, QStringLiteral("Die Sicherung ändert im Messgerät:"),
                  QStringLiteral("Restoring the snapshot changes in the meter:"),
                  QStringLiteral("La restauration modifie dans l'appareil :")) +
           QStringLiteral("\r\n") + changes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") +
           choose(s, QStringLiteral("Wiederherstellen?"), QStringLiteral("Restore?"),
                  QStringLiteral("Restaurer ?"));
}

QString change(const QString& name, const QString& held, const QString& restored) {
    return QStringLiteral("%1: %2 -> %3").arg(name, held, restored);
}

QString nothingToRestore(Language s) {
    return choose(s, QStringLiteral("Das Messgerät hält bereits, was die Sicherung enthält."),
                  QStringLiteral("The meter already holds what the snapshot holds."),
                  QStringLiteral("L'appareil contient déjà ce que contient la sauvegarde."));
}

QString serviceLocked(Language s) {
    return choose(s,
                  QStringLiteral("Die Sicherung ändert Kennlinie oder Kalibrierung. Bitte öffnen "
                                 "Sie zuerst die Service-Seite mit dem Passwort."),
                  QStringLiteral("The snapshot changes the curve or the calibration. Please open "
                                 "the service page with the password first."),
                  QStringLiteral("La sauvegarde modifie la courbe ou l'étalonnage. Ouvrez d'abord "
                                 "la page service avec le mot de passe S.V.P."));
}

}  // namespace snapshotTexts
