#include "session/status_texts.h"

namespace starttexte {

const char* const Wartezeit10 = "Wartezeit 10 sec";
const char* const Kaltstart1 = "Reset 1 (Kaltstart 1) Wartezeit 4 sec";
const char* const Kaltstart2 = "Reset 1 (Kaltstart 2) Wartezeit 4 sec";

QString verbindungOk(Sprache s) {
    return waehle(s, QStringLiteral("Verbindung in Ordnung"), QStringLiteral("Connection ok"),
                  QStringLiteral("Connection ok"));
}

QString bitteWarten(Sprache s) {
    return waehle(
        s, QStringLiteral("Bitte warten. Veltrano KRN410-Q Orbis wird initialisiert."),
        QStringLiteral("Please wait. Initialization of Veltrano KRN410-Q Orbis."),
        QStringLiteral(
            "Attendre S.V.P ! Le Veltrano KRN410-Q Orbis est en train d'être initialize."));
}

QString initialisiert(Sprache s) {
    return waehle(s, QStringLiteral("Initialisierung durchgeführt."),
                  QStringLiteral("Initialization ok."), QStringLiteral("Initialisation termineé."));
}

QString unterspannung(Sprache s) {
    return waehle(s, QStringLiteral("Unterspannung aktiv! Ausgänge sind deaktiviert."),
                  QStringLiteral("Low Voltage error signal activated! Outputs are deactivated."),
                  QStringLiteral("Attention sous-tension! Sorties desactivées."));
}

}  // namespace starttexte
