#include <QFile>

#include "config/damping.h"
#include "config/pulse_divider.h"
#include "device/analog_output.h"
#include "session/session.h"

namespace {

const char* const UseFilter = "Konfigurationsdateien (*.use)";
const char* const UsePattern = "*.use";

}  // namespace

ConfigFile Session::currentConfig() const {
    const MeterParameters& m = meter;
    const bool fromMeter = linkState.Verbunden;
    ConfigFile c;
    c.Ausgangsart = m.Ausgangsart;
    c.Analogbereich = m.Analogbereich;
    c.Digitalflags = m.Digitalflags;
    c.Konfigbyte3 = m.Konfigbyte3;
    c.MEW = fromMeter ? m.MEW : edit.MEWNeu;
    c.Schleichmenge = fromMeter ? m.Schleichmenge : edit.SchleichmengeNeu;
    c.Daempfungszeit = edit.chkKonfAnalog[3] || m.Filterfaktor <= 0 || m.Filterfaktor >= 65535
                           ? edit.Daempfungszeit
                           : dampingPosition(m.Filterfaktor);
    c.Frequenzbereich = m.Frequenzbereich;
    c.FrequenzMin = m.FrequenzMin;
    c.FrequenzMax = m.FrequenzMax;
    c.Impulswert = m.Impulswert;
    c.Impulsdauer = m.Impulsdauer;
    c.Polaritaet = m.Polaritaet;
    c.SchaltMin = m.SchaltMin;
    c.SchaltMax = m.SchaltMax;
    c.SchaltPolaritaet = edit.SchaltPolaritaet.isEmpty() ? m.Polaritaet : edit.SchaltPolaritaet;
    c.Ueberlauf = m.Ueberlauf;
    return c;
}

void Session::fileError(const QString& description, int number) {
    message(description + QStringLiteral("   [Fehlernummer %1]").arg(number),
            QStringLiteral("Fehlerbehandlung"), Buttons::Ok, Symbol::Critical);
}

bool Session::saveConfig(const QString& path) {
    QString error;
    if (configFile::write(path, currentConfig(), error)) return true;
    fileError(error, FileAccessError);
    return false;
}

// The file dialog's answer; empty when the technician cancelled.
QString Session::askFile(FileQuestion::Kind kind, const QString& title) {
    const QString chosen =
        dialogs_.fileName({kind, title, QLatin1String(UsePattern), QLatin1String(UseFilter)});
    return chosen == QLatin1String(UsePattern) ? QString() : chosen;
}

void Session::saveConfigAs() {
    const QString chosen =
        askFile(FileQuestion::Save, QStringLiteral("Konfigurationsdatei speichern"));
    if (chosen.isEmpty()) return;
    state.configFileName = configFile::saveName(chosen);
    saveConfig(state.configFileName);
}

void Session::deleteConfig() {
    const QString chosen =
        askFile(FileQuestion::Open, QStringLiteral("Konfigurationsdatei löschen"));
    if (chosen.isEmpty()) return;
    state.configFileName = chosen;
    if (message(texts[textNo::DeleteConfigQuestion], texts[textNo::TitleDeleteConfig],
                Buttons::YesNo, Symbol::Question) != Answer::Yes)
        return;
    QFile file(chosen);
    if (!file.remove()) fileError(file.errorString(), FileAccessError);
}

namespace {

int digitalOption(int ausgangsart, int frequenzbereich) {
    if (ausgangsart & 0x04) return EditState::Pulse;
    if (ausgangsart & 0x08)
        return frequenzbereich == 0 ? EditState::VariableFrequency : EditState::StandardFrequency;
    if (ausgangsart & 0x40) return EditState::Switch;
    return EditState::NoOutput;
}

// The range list's entry for the range bits 0 to 3 of Analogbereich.
int rangeEntry(int analogbereich) {
    const int entryOfBit[] = {2, 3, 0, 1};
    for (int bit = 0; bit < 4; ++bit)
        if (analogbereich & (1 << bit)) return entryOfBit[bit];
    return 0;
}

}  // namespace

void Session::loadConfig(const ConfigFile& c) {
    MeterParameters& m = meter;
    m.Ausgangsart = c.Ausgangsart, m.Analogbereich = c.Analogbereich;
    m.Digitalflags = c.Digitalflags, m.Konfigbyte3 = c.Konfigbyte3;
    m.MEW = edit.MEWNeu = c.MEW;
    m.Schleichmenge = edit.SchleichmengeNeu = c.Schleichmenge;
    edit.Daempfungszeit = c.Daempfungszeit;
    const bool sameDamping = m.Filterfaktor > 0 && m.Filterfaktor < 65535 &&
                             dampingPosition(m.Filterfaktor) == c.Daempfungszeit;
    edit.FilterfaktorNeu = sameDamping ? m.Filterfaktor : filterFactorFor(c.Daempfungszeit);
    m.Frequenzbereich = c.Frequenzbereich, m.FrequenzMin = c.FrequenzMin;
    m.FrequenzMax = c.FrequenzMax;
    m.Impulsbasis16 = impulsbasis16(c.MEW);
    if (c.Impulswert != m.Impulswert) {
        m.Impulswert = c.Impulswert;
        Impulsteilerberechnung(m);
    }
    m.Impulsdauer = c.Impulsdauer, m.Polaritaet = c.Polaritaet;
    m.SchaltMin = c.SchaltMin, m.SchaltMax = c.SchaltMax;
    edit.SchaltPolaritaet = c.SchaltPolaritaet;
    m.Ueberlauf = c.Ueberlauf;
    edit.chkKonfAnalog = {true, true, true, true, true, true, false};
    edit.ListAnalogAus = rangeEntry(c.Analogbereich);
    edit.ListKonfErr = qMax(0, analogOutput::errorBehavior(c.Analogbereich));
    edit.ListFrequenz = c.Frequenzbereich == 2 ? 1 : 0;
    edit.optDigital = digitalOption(c.Ausgangsart, c.Frequenzbereich);
    refreshControls();
}
