#include "session/status_texts.h"

namespace startTexts {

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

}  // namespace startTexts
