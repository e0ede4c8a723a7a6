#include "session/console_dialogs.h"

Antwort KonsolenDialoge::meldung(const QString& text, const QString& titel, Schaltflaechen knoepfe,
                                 Symbol) {
    QTextStream fehler(stderr);
    if (!titel.isEmpty()) fehler << titel << ": ";
    fehler << QString(text).replace(QLatin1String("\r\n"), QLatin1String(" ")) << Qt::endl;
    switch (knoepfe) {
        case Schaltflaechen::Ok:
            return Antwort::Ok;
        case Schaltflaechen::OkAbbrechen:
            return Antwort::Abbrechen;
        case Schaltflaechen::JaNein:
            return Antwort::Nein;
    }
    return Antwort::Abbrechen;
}
