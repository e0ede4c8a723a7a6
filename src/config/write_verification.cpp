#include <cmath>
#include <stdexcept>

#include "config/damping.h"
#include "config/output_limits.h"
#include "config/write_intent.h"
#include "device/analog_output.h"
#include "device/number_format.h"

using namespace analogOutput;

namespace {

// A flow goes to the meter as a single in kg/h and comes back divided by the
// unit's factor: a few units in the last place apart.
constexpr double FlowShare = 1e-5;
constexpr double FlowFloor = 1e-6;
constexpr int PolarityFlag = 0x01;

bool sameFlow(float asked, float held) {
    return std::fabs(double(asked) - held) <= FlowShare * std::fabs(double(asked)) + FlowFloor;
}

// The amount per pulse the meter realises is a whole number of divisor steps
// (of Impulsbasis each) and is read back rounded to seven decimals.
bool samePulse(float asked, const MeterParameters& m) {
    const double step = std::fabs(double(m.Impulsbasis));
    const double tolerance = step / 2 + 1e-7 + FlowShare * std::fabs(double(asked));
    return std::fabs(double(asked) - m.Impulswert) <= tolerance;
}

QString dampingText(qint32 coefficient) {
    try {
        return QStringLiteral("%1 ms").arg(std::lround(filterTime(coefficient)));
    } catch (const std::domain_error&) {
        return QString::number(coefficient);
    }
}

QString rangeName(int entry) {
    const Range r = rangeOfEntry(entry);
    return rangeText(r) + QLatin1Char(' ') + unit(r);
}

int entryOf(const MeterParameters& m) {
    for (int e = 0; e < 4; ++e)
        if (m.Analogbereich & (1 << int(rangeOfEntry(e)))) return e;
    return -1;
}

QString kindName(int kind) {
    const char* const names[] = {"Frequenz standard", "Frequenz variabel", "Impulsausgang",
                                 "Schaltausgang", "kein Ausgang"};
    return kind >= 0 && kind <= DigitalEdit::NoOutput ? QLatin1String(names[kind]) : QString();
}

int kindOf(const MeterParameters& m) {
    if (m.Ausgangsart & outputLimits::PulseBit) return DigitalEdit::Pulse;
    if (m.Ausgangsart & 0x08)
        return m.Frequenzbereich == 0 ? DigitalEdit::VariableFrequency
                                      : DigitalEdit::StandardFrequency;
    if (m.Ausgangsart & 0x40) return DigitalEdit::Switch;
    return DigitalEdit::NoOutput;
}

QString plusMinus(bool plus) {
    return plus ? QStringLiteral("Plus") : QStringLiteral("Minus");
}

class Comparison {
public:
    explicit Comparison(const MeterParameters& m) : m_(m) {}
    QVector<Mismatch> found;

    void flow(ConfigValue v, float asked, float held) {
        if (!sameFlow(asked, held))
            add(v, numberFormat::shortest(asked), numberFormat::shortest(held));
    }
    void whole(ConfigValue v, int asked, int held) {
        if (asked != held) add(v, QString::number(asked), QString::number(held));
    }
    void text(ConfigValue v, const QString& asked, const QString& held) {
        if (asked != held) add(v, asked, held);
    }
    void analog(const WriteIntent& w) {
        const bool current = isCurrent(rangeOfEntry(w.range));
        if (w.analog[0] && (entryOf(m_) != w.range || (m_.Ausgangsart & 0x03) != (current ? 1 : 2)))
            add(ConfigValue::Analogausgang, rangeName(w.range),
                entryOf(m_) < 0 ? QString() : rangeName(entryOf(m_)));
        if (w.fullScale) flow(ConfigValue::MEW, w.MEW, m_.MEW);
        if (w.analog[2]) flow(ConfigValue::Schleichmenge, w.Schleichmenge, m_.Schleichmenge);
        if (w.analog[3] && (w.Filterfaktor & 0xFFFF) != m_.Filterfaktor)
            add(ConfigValue::Daempfung, dampingText(w.Filterfaktor), dampingText(m_.Filterfaktor));
        if (w.analog[4])
            text(ConfigValue::AusgangFehler, errorText(w.errorOutput),
                 errorText(errorBehavior(m_.Analogbereich)));
        if (w.analog[5]) whole(ConfigValue::Ueberlauf, w.Ueberlauf, m_.Ueberlauf);
        if (w.analog[6]) flow(ConfigValue::MOG, w.MOG, m_.MOG);
    }
    void digital(const WriteIntent& w) {
        if (w.divisor && !samePulse(w.Impulswert, m_))
            add(ConfigValue::Impulswert, numberFormat::shortest(w.Impulswert),
                numberFormat::shortest(m_.Impulswert));
        if (w.digital < 0) return;
        text(ConfigValue::Digitalausgang, kindName(w.digital), kindName(kindOf(m_)));
        const bool plus = m_.Digitalflags & PolarityFlag;
        switch (w.digital) {
            case DigitalEdit::StandardFrequency:
                whole(ConfigValue::Frequenzbereich, w.Frequenzbereich, m_.Frequenzbereich);
                break;
            case DigitalEdit::VariableFrequency:
                whole(ConfigValue::FrequenzMin, w.FrequenzMin, m_.FrequenzMin);
                whole(ConfigValue::FrequenzMax, w.bandTop(), m_.FrequenzMax);
                break;
            case DigitalEdit::Pulse:
                // The meter stores 256 ms as 0 and reads 0 as 256.
                whole(ConfigValue::Impulsdauer, w.Impulsdauer ? w.Impulsdauer : 256,
                      m_.Impulsdauer);
                text(ConfigValue::Polaritaet, plusMinus(w.pulsePlus), plusMinus(plus));
                break;
            case DigitalEdit::Switch:
                flow(ConfigValue::SchaltMin, w.SchaltMin, m_.SchaltMin);
                flow(ConfigValue::SchaltMax, w.SchaltMax, m_.SchaltMax);
                text(ConfigValue::SchaltPolaritaet, plusMinus(w.switchPlus), plusMinus(plus));
                break;
            default:
                break;
        }
    }

private:
    void add(ConfigValue v, const QString& asked, const QString& held) {
        found.append({v, asked, held});
    }
    const MeterParameters& m_;
};

}  // namespace

QVector<Mismatch> mismatches(const WriteIntent& w, const MeterParameters& meter) {
    Comparison c(meter);
    c.analog(w);
    c.digital(w);
    return c.found;
}
