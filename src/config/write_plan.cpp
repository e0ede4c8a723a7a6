#include "config/write_plan.h"

#include "device/eeprom_map.h"
#include "link/protocol.h"
#include "link/requests.h"

using namespace protocol;

namespace {

constexpr int PolarityFlag = 0x01;
constexpr int FractionFlag = 0x04;
constexpr int SwitchActive = 0x08;
constexpr int DigitalConfigured = 0x80;

struct Planner {
    const WriteIntent& w;
    const MeterParameters& m;
    double f;
    QVector<QByteArray> frames;
    int ausgangsart = m.Ausgangsart;
    int analogbereich = m.Analogbereich;

    void byte(quint8 k, int v) { frames << request::writeByte(k, quint8(v)); }
    void word(quint8 k, int v) { frames << request::writeWord(k, quint16(v)); }
    void flow(quint8 k, double v) { frames << request::writeFloat(k, float(v * f)); }
    void divisor() {
        frames << request::writeDword(floatparam::Impulsteiler, quint32(w.Impulsteiler));
    }
    int digitalFlags(bool plus) const {
        return DigitalConfigured | (w.fractionalBits ? FractionFlag : 0) |
               (plus ? PolarityFlag : 0);
    }

    // The divisor and its flag follow a new full scale under a pulse output
    // that stays, so the amount per pulse stays what was asked.
    void fullScale() {
        flow(floatparam::MEW, w.MEW);
        if (!w.divisor || w.digital >= 0) return;
        divisor();
        byte(byteparam::Digitalflags,
             (m.Digitalflags & ~FractionFlag) | (w.fractionalBits ? FractionFlag : 0));
    }
    void overflowLimits() {
        if (w.fullScale && !w.analog[1]) fullScale();
        if (w.digital == DigitalEdit::VariableFrequency && w.bandTop() != w.FrequenzMax)
            word(wordparam::FrequenzMax, w.bandTop());
    }
    void analog() {
        if (w.analog[0]) {
            const bool current = w.range <= 1;
            ausgangsart = (ausgangsart & ~0x03) | (current ? 0x01 : 0x02);
            byte(byteparam::Ausgangsart, ausgangsart);
            const int bit[] = {2, 3, 0, 1};  // list index to range bit
            analogbereich = (analogbereich & 0xF0) | (1 << bit[w.range & 3]);
            byte(byteparam::Analogbereich, analogbereich);
        }
        if (w.analog[1]) fullScale();
        if (w.analog[6]) flow(floatparam::MOG, w.MOG);
        if (w.analog[2]) flow(floatparam::Schleichmenge, w.Schleichmenge);
        if (w.analog[3]) word(wordparam::Filterfaktor, w.Filterfaktor & 0xFFFF);
        if (w.analog[4]) {
            analogbereich = (analogbereich & 0x0F) | (0x10 << (w.errorOutput & 3));
            byte(byteparam::Analogbereich, analogbereich);
        }
        if (w.analog[5])
            frames << request::eepromByte(quint8(w.Ueberlauf), quint16(address::Ueberlauf));
    }
    void frequency(bool variable) {
        byte(byteparam::Ausgangsart, (ausgangsart & 0x03) + 8);
        byte(byteparam::Digitalflags, 132);
        byte(byteparam::Frequenzbereich, w.Frequenzbereich);
        if (!variable) return;
        word(wordparam::FrequenzMin, w.FrequenzMin);
        word(wordparam::FrequenzMax, w.bandTop());
        byte(byteparam::Frequenzvorteiler, frequenzvorteiler(w.FrequenzMin));
        byte(byteparam::Frequenzteiler, frequenzteiler(w.FrequenzMin));
    }
    void digital() {
        switch (w.digital) {
            case DigitalEdit::StandardFrequency:
            case DigitalEdit::VariableFrequency:
                frequency(w.digital == DigitalEdit::VariableFrequency);
                break;
            case DigitalEdit::Pulse:
                byte(byteparam::Ausgangsart, (ausgangsart & 0x03) + 20);
                byte(byteparam::Digitalflags, digitalFlags(w.pulsePlus));
                byte(byteparam::Impulsdauer, w.Impulsdauer % 256);  // 256 ms is stored as 0
                divisor();
                break;
            case DigitalEdit::Switch:
                byte(byteparam::Ausgangsart, (ausgangsart & 0x03) + 64);
                byte(byteparam::Digitalflags, w.switchPlus ? 141 : 140);
                flow(floatparam::SchaltMin, w.SchaltMin);
                flow(floatparam::SchaltMax, w.SchaltMax);
                break;
            case DigitalEdit::NoOutput:
                byte(byteparam::Ausgangsart, ausgangsart & 0x03);
                if (m.Digitalflags & SwitchActive)
                    byte(byteparam::Digitalflags, m.Digitalflags & ~SwitchActive);
                break;
            default:
                break;
        }
    }
};

}  // namespace

WritePlan planConfigurationWrite(const MeterParameters& asRead, const MeterParameters& m,
                                 const EditState& e, double umrechnungsfaktor) {
    WritePlan plan;
    plan.intent = writeIntent(asRead, m, e, umrechnungsfaktor);
    plan.refusal = checkWrite(plan.intent, m, umrechnungsfaktor);
    if (plan.refused()) return plan;
    Planner p{plan.intent, m, umrechnungsfaktor, {}};
    p.overflowLimits();
    p.analog();
    p.digital();
    plan.frames = p.frames;
    return plan;
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
