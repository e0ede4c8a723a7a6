#include "config/write_intent.h"

#include <cmath>

#include "config/output_limits.h"
#include "config/pulse_divider.h"

namespace {

const char* const Names[] = {"",
                             "Ausgangsart",
                             "Analogbereich",
                             "Digitalflags",
                             "Konfigbyte3",
                             "MEW",
                             "Schleichmenge",
                             "Daempfung",
                             "Frequenzbereich",
                             "FrequenzMin",
                             "FrequenzMax",
                             "Impulswert",
                             "Impulsdauer",
                             "Polaritaet",
                             "SchaltMin",
                             "SchaltMax",
                             "SchaltPolaritaet",
                             "Ueberlauf",
                             "MOG",
                             "Analogausgang",
                             "AusgangFehler",
                             "Digitalausgang"};

constexpr int FractionFlag = 0x04;  // Digitalflags bit 2

bool pulseStaysOn(const MeterParameters& m, const DigitalEdit& e) {
    return e.optDigital < 0 && (m.Ausgangsart & outputLimits::PulseBit);
}

// The divisor the meter already has serves as long as neither the amount per
// pulse nor the full scale changes; otherwise it is worked out anew, so a
// new full scale never keeps the old divisor and with it a wrong amount.
void planDivisor(WriteIntent& w, const MeterParameters& asRead, const MeterParameters& m) {
    const float fullScale = w.fullScaleAfter(m);
    if (w.Impulswert == asRead.Impulswert && fullScale == asRead.MEW && asRead.Impulsteiler) {
        w.Impulsteiler = asRead.Impulsteiler;
        w.fractionalBits = asRead.Digitalflags & FractionFlag;
        return;
    }
    const PulseDivider d = Impulsteilerberechnung(w.Impulswert, impulsbasis16(fullScale));
    w.divisorRefused = d.refusedText;
    w.Impulsteiler = d.Impulsteiler;
    w.fractionalBits = d.fractionalBits;
}

void analogIntent(WriteIntent& w, const MeterParameters& asRead, const MeterParameters& m,
                  const AnalogEdit& e, double f) {
    w.analog = e.chkKonfAnalog;
    w.range = e.ListAnalogAus;
    w.errorOutput = e.ListKonfErr;
    w.fullScale = e.chkKonfAnalog[1];
    w.MEW = e.MEWNeu;
    const float highest = outputLimits::overflowFullScale(m.MOG);
    if (!w.fullScale && m.Ueberlauf == 1 &&
        m.MEW * f > highest * f + outputLimits::OverflowTolerance) {
        w.fullScale = true;
        w.MEW = highest;
    }
    w.Schleichmenge = e.SchleichmengeNeu;
    w.Daempfungszeit = e.Daempfungszeit;
    w.Filterfaktor = e.FilterfaktorNeu;
    w.Ueberlauf = m.Ueberlauf;
    // The range limit the meter will hold: the edited one when it is written,
    // else the meter's own (a loaded file or the factory settings change it
    // in the record without writing it).
    w.MOG = e.chkKonfAnalog[6] || asRead.MOG <= 0 ? m.MOG : asRead.MOG;
}

void digitalIntent(WriteIntent& w, const MeterParameters& m, const DigitalEdit& e) {
    w.digital = e.optDigital;
    const bool variable = e.optDigital == DigitalEdit::VariableFrequency;
    w.Frequenzbereich = variable ? 0 : e.ListFrequenz == 0 ? 1 : 2;
    w.FrequenzMin = m.FrequenzMin;
    w.FrequenzMax = m.FrequenzMax;
    w.Impulswert = m.Impulswert;
    w.Impulsdauer = m.Impulsdauer;
    w.pulsePlus = m.Polaritaet == QLatin1String("Plus");
    w.SchaltMin = m.SchaltMin;
    w.SchaltMax = m.SchaltMax;
    w.switchPlus =
        (e.SchaltPolaritaet.isEmpty() ? m.Polaritaet : e.SchaltPolaritaet) == QLatin1String("Plus");
}

}  // namespace

int WriteIntent::bandTop() const {
    return Ueberlauf == 1 ? qMin(FrequenzMax, outputLimits::OverflowFrequencyMax) : FrequenzMax;
}

QString configValueName(ConfigValue v) {
    return QLatin1String(Names[int(v)]);
}

int configFileLine(ConfigValue v) {
    return int(v) <= int(ConfigValue::Ueberlauf) ? int(v) : 0;
}

WriteIntent writeIntent(const MeterParameters& asRead, const MeterParameters& m, const EditState& e,
                        double factor) {
    WriteIntent w;
    analogIntent(w, asRead, m, e.analog, factor);
    digitalIntent(w, m, e.digital);
    w.divisor =
        e.digital.optDigital == DigitalEdit::Pulse || (w.fullScale && pulseStaysOn(m, e.digital));
    if (w.divisor) planDivisor(w, asRead, m);
    return w;
}
