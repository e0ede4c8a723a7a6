#include "session/status_texts.h"

namespace startTexts {

const char* const CheckData = "Überprüfen ob Daten korrekt übernommen wurden ! ";
const char* const WaitTime10 = "Wartezeit 10 sec";
const char* const ColdStart1 = "Reset 1 (Kaltstart 1) Wartezeit 4 sec";
const char* const ColdStart2 = "Reset 1 (Kaltstart 2) Wartezeit 4 sec";

QString connectionOk(Language s) {
    return choose(s, QStringLiteral("Verbindung in Ordnung"), QStringLiteral("Connection ok"),
                  QStringLiteral("Connection ok"));
}

QString pleaseWait(Language s) {
    return choose(
        s, QStringLiteral("Bitte warten. Veltrano KRN410-Q Orbis wird initialisiert."),
        QStringLiteral("Please wait. Initialization of Veltrano KRN410-Q Orbis."),
        QStringLiteral(
            "Attendre S.V.P ! Le Veltrano KRN410-Q Orbis est en train d'être initialize."));
}

QString initialized(Language s) {
    return choose(s, QStringLiteral("Initialisierung durchgeführt."),
                  QStringLiteral("Initialization ok."), QStringLiteral("Initialisation termineé."));
}

QString undervoltage(Language s) {
    return choose(s, QStringLiteral("Unterspannung aktiv! Ausgänge sind deaktiviert."),
                  QStringLiteral("Low Voltage error signal activated! Outputs are deactivated."),
                  QStringLiteral("Attention sous-tension! Sorties desactivées."));
}

QString livePaused(Language s) {
    return choose(s, QStringLiteral("pausiert"), QStringLiteral("paused"),
                  QStringLiteral("en pause"));
}

QString secondsLeft(Language s, int seconds) {
    return choose(s, QStringLiteral("noch %1 s"), QStringLiteral("%1 s left"),
                  QStringLiteral("encore %1 s"))
        .arg(seconds);
}

QString meterRestarting(Language s) {
    return choose(s, QStringLiteral("Gerät startet neu"), QStringLiteral("meter restarting"),
                  QStringLiteral("redémarrage de l'appareil"));
}

QString writing(Language s) {
    return choose(s, QStringLiteral("Bitte warten. Neue Daten werden in oQ EEProm geschrieben."),
                  QStringLiteral("Please wait. New Data will write to oQ EEProm."),
                  QStringLiteral("Veuillez patienter S.V.P. Les nouvelles données sont en train "
                                 "d'être écrites sur l'EEProm de l'oQ."));
}

QString writeDone(Language s) {
    return choose(s, QStringLiteral("Initialisierung erfolgreich durchgeführt."),
                  QStringLiteral("Initalization ok"), QStringLiteral("Initalization ok"));
}

QString writeDiffers(Language s, const QStringList& parameters) {
    return choose(s, QStringLiteral("Das Messgerät hält nicht, was geschrieben wurde: %1"),
                  QStringLiteral("The meter does not hold what was written: %1"),
                  QStringLiteral("L'appareil ne contient pas ce qui a été écrit : %1"))
        .arg(parameters.join(QStringLiteral(", ")));
}

QString difference(Language s, const QString& name, const QString& asked, const QString& held) {
    return choose(s, QStringLiteral("%1: verlangt %2, das Messgerät hält %3"),
                  QStringLiteral("%1: asked %2, the meter holds %3"),
                  QStringLiteral("%1 : demandé %2, l'appareil contient %3"))
        .arg(name, asked, held);
}

QString writeNotConfirmed(Language s) {
    return choose(s, QStringLiteral("Schreiben nicht bestätigt"),
                  QStringLiteral("Write not confirmed"), QStringLiteral("Écriture non confirmée"));
}

QString recordingTo(Language s, const QString& file) {
    return choose(s, QStringLiteral("Aufzeichnung: %1"), QStringLiteral("Recording: %1"),
                  QStringLiteral("Enregistrement : %1"))
        .arg(file);
}

QString recordingInterrupted(Language s, const QString& file) {
    return choose(s,
                  QStringLiteral("Aufzeichnung unterbrochen: keine Verbindung zum Messgerät. Sie "
                                 "wird nach dem Verbinden in %1 fortgesetzt."),
                  QStringLiteral("Recording interrupted: no connection to the meter. It continues "
                                 "in %1 once the meter is connected again."),
                  QStringLiteral("Enregistrement interrompu : pas de connexion avec l'appareil. Il "
                                 "reprendra dans %1 après la connexion."))
        .arg(file);
}

QString recordingResumed(Language s, const QString& file) {
    return choose(s, QStringLiteral("Verbindung wieder da: Aufzeichnung in %1 fortgesetzt."),
                  QStringLiteral("Connection restored: recording continues in %1."),
                  QStringLiteral("Connexion rétablie : l'enregistrement continue dans %1."))
        .arg(file);
}

}  // namespace startTexts
