#include <QFile>

#include "session/session.h"
#include "session/show_values.h"

namespace {

constexpr int FileAccessError = 75;
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
