#include "config/write_plan.h"

#include <cmath>

#include "device/eeprom_map.h"
#include "link/protocol.h"
#include "link/requests.h"

using namespace protocol;

namespace {

constexpr double OverflowShare = 0.9;  // of MOG: the highest full scale with the overflow on
constexpr double Tolerance = 0.01;
constexpr int FrequencyMax = 2500;
constexpr double SwitchHeadroom = 1.1;

struct Planner {
    const MeterParameters& m;
    const EditState& e;
    double f;
    WritePlan plan;
    int ausgangsart = m.Ausgangsart;
    int analogbereich = m.Analogbereich;

    void byte(quint8 k, int v) { plan.frames << request::writeByte(k, quint8(v)); }
    void word(quint8 k, int v) { plan.frames << request::writeWord(k, quint16(v)); }
    void flow(quint8 k, double v) { plan.frames << request::writeFloat(k, float(v * f)); }
    bool refuse(int text, int title) {
        plan.refusedText = text;
        plan.refusedTitle = title;
        return false;
    }

    float fullScale() const { return e.chkKonfAnalog[1] ? e.MEWNeu : m.MEW; }
    // The pulse output keeps up at full scale: pulses of Impulsdauer ms with 2 ms between.
    bool pulseTimingOk() const {
        const double perHour = double(fullScale()) * f / (double(m.Impulswert) * f);
        return (m.Impulsdauer * perHour / 1000 - 0.002 * perHour) / 3600 < 1;
    }
    bool checks() {
        if (e.chkKonfAnalog[1] && e.MEWNeu > m.MOG) return refuse(21, 22);
        if (e.chkKonfAnalog[1] && e.MEWNeu < 1) return refuse(45, 22);
        const bool pulseStays = e.optDigital < 0 && (m.Ausgangsart & 0x04);
        if ((e.chkKonfAnalog[1] && pulseStays) || e.optDigital == EditState::Pulse)
            if (!pulseTimingOk()) return refuse(43, 44);
        if (e.optDigital == EditState::Switch && m.SchaltMax > SwitchHeadroom * m.MOG)
            return refuse(26, 52);
        if (e.optDigital == EditState::Switch && m.SchaltMax < m.SchaltMin) return refuse(27, 52);
        return true;
    }
    int frequencyMax() const {
        return m.Ueberlauf == 1 && m.FrequenzMax > OverflowFrequencyMax ? OverflowFrequencyMax
                                                                        : m.FrequenzMax;
    }
    void overflowLimits() {
        if (m.Ueberlauf != 1) return;
        if (!e.chkKonfAnalog[1] && m.MEW * f > OverflowShare * m.MOG * f + Tolerance)
            flow(floatparam::MEW, OverflowShare * m.MOG);
        if (e.optDigital == EditState::VariableFrequency && m.FrequenzMax > OverflowFrequencyMax)
            word(wordparam::FrequenzMax, OverflowFrequencyMax);
    }
    void analog() {
        if (e.chkKonfAnalog[0]) {
            const bool current = e.ListAnalogAus <= 1;
            ausgangsart = (ausgangsart & ~0x03) | (current ? 0x01 : 0x02);
            byte(byteparam::Ausgangsart, ausgangsart);
            const int bit[] = {2, 3, 0, 1};  // list index to range bit
            analogbereich = (analogbereich & 0xF0) | (1 << bit[e.ListAnalogAus & 3]);
            byte(byteparam::Analogbereich, analogbereich);
        }
        if (e.chkKonfAnalog[1]) {
            flow(floatparam::MEW, e.MEWNeu);
            plan.frames << request::writeDword(floatparam::Impulsteiler, quint32(m.Impulsteiler));
            byte(byteparam::Digitalflags, m.Digitalflags);
        }
        if (e.chkKonfAnalog[6]) flow(floatparam::MOG, m.MOG);
        if (e.chkKonfAnalog[2]) flow(floatparam::Schleichmenge, e.SchleichmengeNeu);
        if (e.chkKonfAnalog[3]) word(wordparam::Filterfaktor, e.FilterfaktorNeu & 0xFFFF);
        if (e.chkKonfAnalog[4]) {
            analogbereich = (analogbereich & 0x0F) | (0x10 << (e.ListKonfErr & 3));
            byte(byteparam::Analogbereich, analogbereich);
        }
        if (e.chkKonfAnalog[5])
            plan.frames << request::eepromByte(quint8(m.Ueberlauf), quint16(address::Ueberlauf));
    }
    void frequency(bool variable) {
        if (variable) {
            const int max = frequencyMax();
            const int problem = m.FrequenzMin < 1              ? 39
                                : m.FrequenzMin >= max         ? 41
                                : m.FrequenzMax > FrequencyMax ? 40
                                                               : 0;
            if (problem) {
                plan.frequencyText = problem;
                return;
            }
        }
        byte(byteparam::Ausgangsart, (ausgangsart & 0x03) + 8);
        byte(byteparam::Digitalflags, 132);
        byte(byteparam::Frequenzbereich, variable ? 0 : e.ListFrequenz == 0 ? 1 : 2);
        if (!variable) return;
        word(wordparam::FrequenzMin, m.FrequenzMin);
        word(wordparam::FrequenzMax, frequencyMax());
        byte(byteparam::Frequenzvorteiler, frequenzvorteiler(m.FrequenzMin));
        byte(byteparam::Frequenzteiler, frequenzteiler(m.FrequenzMin));
    }
    void digital() {
        const bool plus =
            e.optDigital == EditState::Switch
                ? (e.SchaltPolaritaet.isEmpty() ? m.Polaritaet : e.SchaltPolaritaet) ==
                      QLatin1String("Plus")
                : m.Polaritaet == QLatin1String("Plus");
        switch (e.optDigital) {
            case EditState::StandardFrequency:
            case EditState::VariableFrequency:
                frequency(e.optDigital == EditState::VariableFrequency);
                break;
            case EditState::Pulse:
                byte(byteparam::Ausgangsart, (ausgangsart & 0x03) + 20);
                // Bit 2 says whether the divisor carries eight fractional bits; it is kept.
                byte(byteparam::Digitalflags, 0x80 | (m.Digitalflags & 0x04) | (plus ? 1 : 0));
                byte(byteparam::Impulsdauer, m.Impulsdauer & 0xFF);
                plan.frames << request::writeDword(floatparam::Impulsteiler,
                                                   quint32(m.Impulsteiler));
                break;
            case EditState::Switch:
                byte(byteparam::Ausgangsart, (ausgangsart & 0x03) + 64);
                byte(byteparam::Digitalflags, plus ? 141 : 140);
                flow(floatparam::SchaltMin, m.SchaltMin);
                flow(floatparam::SchaltMax, m.SchaltMax);
                break;
            case EditState::NoOutput:
                byte(byteparam::Ausgangsart, ausgangsart & 0x03);
                if (m.Digitalflags & 0x08) byte(byteparam::Digitalflags, m.Digitalflags & ~0x08);
                break;
            default:
                break;
        }
    }
};

}  // namespace

WritePlan planConfigurationWrite(const MeterParameters& m, const EditState& e,
                                 double umrechnungsfaktor) {
    Planner p{m, e, umrechnungsfaktor, {}};
    if (!p.checks()) return p.plan;
    p.overflowLimits();
    p.analog();
    p.digital();
    return p.plan;
}

int frequenzvorteiler(int frequenzMin) {
    const double limits[] = {1.43, 2.86, 5.7, 11.44, 22.89, 45.78, 91.55};
    for (int i = 0; i < 7; ++i)
        if (frequenzMin < limits[i]) return 8 - i;
    return 1;
}

int frequenzteiler(int frequenzMin) {
    return frequenzMin > 0 ? qMax(1, 100 / frequenzMin) : 1;
}
