#include "session/hint_texts.h"

namespace hintTexts {
namespace {

struct Hint {
    const char* german;
    const char* english;
    const char* french;
};

const Hint analogOptions[] = {
    {"Analogausgang konfigurieren", "analog output configuration", "Configurer la sortie analogue"},
    {"Meßbereichsendwert einstellen (max. = Meßbereichsobergrenze)",
     "set measurement range (max. = upper measurement range)",
     "Réglage de la valeur de fin d'échelle (max. valeur de seuil haut)"},
    {"Absolutwert in gewählter Einheit", "value absolute in selected unit",
     "Valeur absolute dans l'unité choisie"},
    {"Signaldämpfung (ms)", "signal damping (ms)", "facteur de filtre (ms)"},
    {"Signal für Fehlerfall einstellen", "error output configuration",
     "Régler le signal pour en cas d'erreur"},
    {"Bereich und Ausgang Erweiterung um 10% (Spannung / Strom / Frequenz)",
     "Output extention 10% (voltage / current / frequency)",
     "Etendue et extension de sortie à 10% (tension / courant / fréquence)"},
};

const Hint analogFrame = {"Konfiguration ändern durch Auswahl der Kontrollkästchen.",
                          "Change Configuration by choosing check boxes",
                          "Changement de la configuration par le choix des cases de contrôle."};

const Hint digitalOptions[] = {
    {"Frequenzausgang konfigurieren", "configure frequency output standard",
     "Configurer la sortie de fréquence"},
    {"Frequenzausgang variabel konfigurieren (min = 1; max = 2500 Hz)",
     "configure frequency output variable (min = 1; max = 2500 Hz)",
     "Configurer la sortie de fréquence variable (min = 1; max = 2500 Hz)"},
    {"Impulsausgang einstellen (max. Meßbereichsobergrenze)",
     "set impulse output (max=upper measurement range",
     "Régler la sortie d'impulsion (max. valeur de seuil)"},
    {"Schaltausgang festlegen (min max zwischen 0 und MOG) ",
     "set switch output (min=0, max=upper measurement range",
     "Déterminer la sortie alarme (min=0, max=valeur de seuil)"},
    {"kein Digitalausgang", "no digital output", "non sortie numérique"},
};

const Hint digitalFrame = {"Konfiguration ändern durch Auswahl der Optionsfelder.",
                           "Change Configuration by choosing option boxes",
                           "Changement de la configuration par le choix des cases de contrôle"};

const Hint unitFactor = {
    "Faktor dient als Umrechnung kg/h in andere Einheit (Bsp.: 100 kg/h / Faktor)",
    "Conversion factor apply to kg/h (Bsp.: 100 kg/h / factor)",
    "Le facteur de calcul se rapporte à l'unité kg/h (Bsp.: 100 kg/h / facteur)"};

QString in(const Hint& h, Language s) {
    switch (s) {
        case Language::German:
            return QString::fromUtf8(h.german);
        case Language::English:
            return QString::fromUtf8(h.english);
        case Language::French:
            return QString::fromUtf8(h.french);
        case Language::Unknown:
            break;
    }
    return QString();
}

template <size_t N>
QString option(const Hint (&hints)[N], int index, Language s) {
    return index >= 0 && size_t(index) < N ? in(hints[index], s) : QString();
}

}  // namespace

QString hint(Area area, int index, Language s) {
    switch (area) {
        case Area::AnalogOption:
            return option(analogOptions, index, s);
        case Area::AnalogFrame:
            return in(analogFrame, s);
        case Area::DigitalOption:
            return option(digitalOptions, index, s);
        case Area::DigitalFrame:
            return in(digitalFrame, s);
        case Area::UnitFactor:
            return in(unitFactor, s);
        case Area::UnitFrame:
            break;
    }
    return QString();
}

}  // namespace hintTexts
