#include <QFile>

#include "config/damping.h"
#include "device/analog_output.h"
#include "features/device_data.h"

namespace {

const char* const UseFilter = "Konfigurationsdateien (*.use)";
const char* const UsePattern = "*.use";

}  // namespace

ConfigFile DeviceData::currentConfig() const {
    const MeterParameters& m = core_.meter;
    const bool fromMeter = core_.linkState.Verbunden;
    ConfigFile c;
    c.Ausgangsart = m.Ausgangsart;
    c.Analogbereich = m.Analogbereich;
    c.Digitalflags = m.Digitalflags;
    c.Konfigbyte3 = m.Konfigbyte3;
    const AnalogEdit& a = analog_.edit();
    c.MEW = fromMeter ? m.MEW : a.MEWNeu;
    c.Schleichmenge = fromMeter ? m.Schleichmenge : a.SchleichmengeNeu;
    c.Daempfungszeit = a.chkKonfAnalog[3] || m.Filterfaktor <= 0 || m.Filterfaktor >= 65535
                           ? a.Daempfungszeit
                           : dampingPosition(m.Filterfaktor);
    c.Frequenzbereich = m.Frequenzbereich;
    c.FrequenzMin = m.FrequenzMin;
    c.FrequenzMax = m.FrequenzMax;
    c.Impulswert = m.Impulswert;
    c.Impulsdauer = m.Impulsdauer;
    c.Polaritaet = m.Polaritaet;
    c.SchaltMin = m.SchaltMin;
    c.SchaltMax = m.SchaltMax;
    c.SchaltPolaritaet = digital_.edit().SchaltPolaritaet.isEmpty()
                             ? m.Polaritaet
                             : digital_.edit().SchaltPolaritaet;
    c.Ueberlauf = m.Ueberlauf;
    return c;
}

bool DeviceData::saveConfig(const QString& path) {
    QString error;
    if (configFile::write(path, currentConfig(), error)) return true;
    core_.fileError(error, Session::FileAccessError);
    return false;
}

// The file dialog's answer; empty when the technician cancelled.
QString DeviceData::askFile(FileQuestion::Kind kind, const QString& title) {
    const QString chosen = core_.dialogs().fileName(
        {kind, title, QLatin1String(UsePattern), QLatin1String(UseFilter)});
    return chosen == QLatin1String(UsePattern) ? QString() : chosen;
}

void DeviceData::saveConfigAs() {
    const QString chosen =
        askFile(FileQuestion::Save, QStringLiteral("Konfigurationsdatei speichern"));
    if (chosen.isEmpty()) return;
    core_.state.configFileName = configFile::saveName(chosen);
    saveConfig(core_.state.configFileName);
}

void DeviceData::deleteConfig() {
    const QString chosen =
        askFile(FileQuestion::Open, QStringLiteral("Konfigurationsdatei löschen"));
    if (chosen.isEmpty()) return;
    core_.state.configFileName = chosen;
    if (core_.message(core_.texts[textNo::DeleteConfigQuestion],
                      core_.texts[textNo::TitleDeleteConfig], Buttons::YesNo,
                      Symbol::Question) != Answer::Yes)
        return;
    QFile file(chosen);
    if (!file.remove()) core_.fileError(file.errorString(), Session::FileAccessError);
}

namespace {

int digitalOption(int ausgangsart, int frequenzbereich) {
    if (ausgangsart & 0x04) return DigitalEdit::Pulse;
    if (ausgangsart & 0x08)
        return frequenzbereich == 0 ? DigitalEdit::VariableFrequency
                                    : DigitalEdit::StandardFrequency;
    if (ausgangsart & 0x40) return DigitalEdit::Switch;
    return DigitalEdit::NoOutput;
}

// The range list's entry for the range bits 0 to 3 of Analogbereich.
int rangeEntry(int analogbereich) {
    const int entryOfBit[] = {2, 3, 0, 1};
    for (int bit = 0; bit < 4; ++bit)
        if (analogbereich & (1 << bit)) return entryOfBit[bit];
    return 0;
}

}  // namespace

namespace {

// What a file holds that the editors cannot show as it is: a range or an
// error level that is not one choice, a frequency range the editors cannot
// set, a polarity that is neither word.
Refusal fileShape(const ConfigFile& c) {
    const auto bits = [](int v) { return qPopulationCount(quint32(v)); };
    const auto refuse = [](ConfigValue v, const QString& given, const char* limit) {
        return Refusal{true, v, given, QString::fromUtf8(limit), 0, 0};
    };
    if (c.Analogbereich >= 0 && c.Analogbereich <= 255 &&
        (bits(c.Analogbereich & 0x0F) != 1 || bits(c.Analogbereich & 0xF0) > 1))
        return refuse(ConfigValue::Analogbereich, QString::number(c.Analogbereich),
                      "Bit 0 … 3: 1, Bit 4 … 7: ≤ 1");
    if ((c.Ausgangsart & 0x08) && !(c.Ausgangsart & 0x04) && c.Frequenzbereich != 0 &&
        c.Frequenzbereich != 1 && c.Frequenzbereich != 2)
        return refuse(ConfigValue::Frequenzbereich, QString::number(c.Frequenzbereich),
                      "0 / 1 / 2");
    for (const auto& [v, word] : {std::pair{ConfigValue::Polaritaet, c.Polaritaet},
                                  std::pair{ConfigValue::SchaltPolaritaet, c.SchaltPolaritaet}})
        if (word != QLatin1String("Plus") && word != QLatin1String("Minus"))
            return refuse(v, word, "Plus / Minus");
    return {};
}

}  // namespace

Refusal DeviceData::loadConfig(const ConfigFile& c) {
    if (const Refusal shape = fileShape(c); shape.refused) return shape;
    MeterParameters m = core_.meter;
    EditState e{analog_.edit(), digital_.edit()};
    m.Ausgangsart = c.Ausgangsart, m.Analogbereich = c.Analogbereich;
    m.Digitalflags = c.Digitalflags, m.Konfigbyte3 = c.Konfigbyte3;
    m.MEW = e.analog.MEWNeu = c.MEW;
    m.Schleichmenge = e.analog.SchleichmengeNeu = c.Schleichmenge;
    e.analog.Daempfungszeit = c.Daempfungszeit;
    const bool sameDamping = m.Filterfaktor > 0 && m.Filterfaktor < 65535 &&
                             dampingPosition(m.Filterfaktor) == c.Daempfungszeit;
    e.analog.FilterfaktorNeu = sameDamping ? m.Filterfaktor : filterFactorFor(c.Daempfungszeit);
    m.Frequenzbereich = c.Frequenzbereich, m.FrequenzMin = qint16(c.FrequenzMin);
    m.FrequenzMax = qint16(c.FrequenzMax);
    m.Impulsbasis16 = impulsbasis16(c.MEW);
    m.Impulswert = c.Impulswert;
    m.Impulsdauer = c.Impulsdauer, m.Polaritaet = c.Polaritaet;
    m.SchaltMin = c.SchaltMin, m.SchaltMax = c.SchaltMax;
    e.digital.SchaltPolaritaet = c.SchaltPolaritaet;
    m.Ueberlauf = c.Ueberlauf;
    e.analog.chkKonfAnalog = {true, true, true, true, true, true, false};
    e.analog.ListAnalogAus = rangeEntry(c.Analogbereich);
    e.analog.ListKonfErr = qMax(0, analogOutput::errorBehavior(c.Analogbereich));
    e.digital.ListFrequenz = c.Frequenzbereich == 2 ? 1 : 0;
    e.digital.optDigital = digitalOption(c.Ausgangsart, c.Frequenzbereich);
    // The file is taken only when the write would take it.
    const WritePlan plan =
        planConfigurationWrite(core_.meterAsRead(), m, e, core_.settings.unit.Umrechnungsfaktor);
    if (plan.refused()) return plan.refusal;
    core_.meter = m;
    analog_.take(e.analog);
    digital_.take(e.digital);
    core_.refreshControls();
    return {};
}
