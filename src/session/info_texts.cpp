#include "session/info_texts.h"

#include <QStringList>

namespace infoTexts {
namespace {

constexpr const char* CrLf = "\r\n";
constexpr const char* CrLfLf = "\r\n\n";

// Joins the parts with the separators between them.
QString join(const QStringList& parts, const QList<const char*>& separators) {
    QString text = parts.value(0);
    for (int i = 1; i < parts.size(); ++i)
        text += QLatin1String(separators[i - 1]) + parts[i];
    return text;
}

}  // namespace

Message firstStart(Language s) {
    const QList<const char*> separators = {CrLfLf, CrLfLf, CrLf, CrLfLf,
                                           CrLf,   CrLfLf, CrLf, CrLfLf};
    switch (s) {
        case Language::English:
            return {
                QStringLiteral("Important informations"),
                join(
                    {QStringLiteral("Please note !"), QStringLiteral("Default configuration for :"),
                     QStringLiteral("Serial interface - Com1"),
                     QStringLiteral("Measuring unit - kg/h"),
                     QStringLiteral("To configure a different serial interface, select option  >> "
                                    "configure <<"),
                     QStringLiteral(
                         "within the menu >> connection << and choose your favoured port."),
                     QStringLiteral(
                         "To configure a different measuring unit, select option >> unit <<"),
                     QStringLiteral(
                         "within the menu >> configuration << and choose your favoured unit.")},
                    separators)};
        case Language::French:
            return {
                QStringLiteral("informations importantes"),
                join({QStringLiteral("Veuillez considérer !"), QStringLiteral("réglages sont :"),
                      QStringLiteral("Interface - Com1"), QStringLiteral("Unité - kg/h"),
                      QStringLiteral("Si une autre interface est souhaitée, changer la nouvelle "
                                     "interface sous le menu >> Liaison <<"),
                      QStringLiteral("sous-menu >> Configurer <<."),
                      QStringLiteral("Si une autre unité est souhaitée, changer la nouvelle "
                                     "sous le menu >> Configuration <<"),
                      QStringLiteral("sous menu >> choix de l'unité <<."),
                      QStringLiteral("choisir veuillez agréer mes salutations distinguées")},
                     separators)};
        default:
            return {
                QStringLiteral("Wichtige Informationen"),
                join(
                    {QStringLiteral("Bitte beachten !"),
                     QStringLiteral("Default Einstellungen sind :"),
                     QStringLiteral("Schnittstelle - Com1"), QStringLiteral("Einheit - kg/h"),
                     QStringLiteral("Wird eine andere Schnittstelle gewünscht, so ist einmal unter "
                                    "dem Menü  >> Verbindung <<"),
                     QStringLiteral(
                         "Menüpunkt >> konfigurieren << eine andere Schnittstelle auszuwählen."),
                     QStringLiteral("Wird eine andere Einheit gewünscht, so ist einmal unter dem "
                                    "Menü >> Konfiguration <<"),
                     QStringLiteral(
                         "Menüpunkt >> Einheit wählen << eine andere Einheit auszuwählen")},
                    separators)};
    }
}

Message info(Language s) {
    return {
        QStringLiteral("Info"),
        choose(s, QStringLiteral("Version 1.0.0, Software Veltrano KRN410-Q Orbis, ohne Support "),
               QStringLiteral("Version 1.0.0, Software Veltrano KRN410-Q Orbis, without support"),
               QStringLiteral("Version 1.0.0, Software Veltrano KRN410-Q Orbis, sans support"))};
}

QString mainWindowTitle(Language s, int portNumber) {
    return choose(s, QStringLiteral("Konfiguration"), QStringLiteral("Configuration"),
                  QStringLiteral("Configuration")) +
           QStringLiteral(" Veltrano KRN410-Q Orbis [Version 1.0.0] an COM") +
           QString::number(portNumber);
}

QString choosePortText(Language s) {
    return choose(
        s,
        QStringLiteral("Installation und/oder Auswahl der serielle Schnittstelle erforderlich !"),
        QStringLiteral("Installation and/or selection of the serial interface required !"),
        QStringLiteral("Installation et/ou sélection de l'interface série requise !"));
}

QString overflowWord(Language s, bool active) {
    return active ? choose(s, QStringLiteral("aktiv"), QStringLiteral("active"),
                           QStringLiteral("actif"))
                  : choose(s, QStringLiteral("passiv"), QStringLiteral("passive"),
                           QStringLiteral("passif"));
}

QString overflowText(Language s, bool active) {
    return active
               ? choose(s, QStringLiteral("Überlauf ist aktiv"), QStringLiteral("Overflow active"),
                        QStringLiteral("Dépassement actif"))
               : choose(s, QStringLiteral("Überlauf ist passiv"),
                        QStringLiteral("Overflow passive"), QStringLiteral("Dépassement passif"));
}

}  // namespace infoTexts
