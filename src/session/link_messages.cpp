#include "session/link_messages.h"

namespace linkTexts {

QString restartProgram(Language s) {
    return choose(s, QStringLiteral("Bitte starten Sie das Programm neu."),
                  QStringLiteral("Restart your program please."),
                  QStringLiteral("relancer votre programm de nouveau."));
}

QString criticalError(Language s) {
    return choose(s, QStringLiteral("Kritischer Fehler"), QStringLiteral("Critical error"),
                  QStringLiteral("Erreur critique"));
}

QString eepromGaveUp(Language s, int attempts) {
    return choose(s,
                  QStringLiteral("Das EEPROM des Messgeräts konnte nach %1 Versuchen nicht "
                                 "vollständig gelesen werden. Bitte prüfen Sie Kabel und Gerät."),
                  QStringLiteral("The meter's EEPROM could not be read completely after %1 "
                                 "attempts. Please check the cable and the meter."),
                  QStringLiteral("L'EEPROM de l'appareil n'a pas pu être lue complètement après "
                                 "%1 essais. Vérifiez le câble et l'appareil S.V.P."))
        .arg(attempts);
}

QString imageRefused(Language s) {
    return choose(s,
                  QStringLiteral("Das Messgerät hat das Lesen seines EEPROM abgelehnt (NAK). "
                                 "Bitte prüfen Sie das Gerät und testen Sie die Verbindung "
                                 "erneut."),
                  QStringLiteral("The meter refused to send its EEPROM (NAK). Please check the "
                                 "meter and test the connection again."),
                  QStringLiteral("L'appareil a refusé la lecture de son EEPROM (NAK). Vérifiez "
                                 "l'appareil et testez la liaison de nouveau S.V.P."));
}

QString errorQueryIncomplete(Language s) {
    return choose(s, QStringLiteral("Keine vollständige Antwort auf die Fehlerabfrage"),
                  QStringLiteral("No complete answer to the error query"),
                  QStringLiteral("Pas de réponse complète à la demande d'erreur"));
}

QString refusedStep(Language s, const QString& step) {
    return choose(s, QStringLiteral("Das Messgerät hat %1 abgelehnt."),
                  QStringLiteral("The meter refused %1."),
                  QStringLiteral("L'appareil a refusé %1."))
        .arg(step);
}

QString notAccepted(Language s, int attempts) {
    return choose(s,
                  QStringLiteral("Das Messgerät hat die Daten nach %1 Versuchen nicht angenommen. "
                                 "Bitte prüfen Sie Kabel und Gerät."),
                  QStringLiteral("The meter did not accept the data after %1 attempts. Please "
                                 "check the cable and the meter."),
                  QStringLiteral("L'appareil n'a pas accepté les données après %1 essais. "
                                 "Vérifiez le câble et l'appareil S.V.P."))
        .arg(attempts);
}

}  // namespace linkTexts
