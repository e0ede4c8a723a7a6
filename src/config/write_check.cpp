#include "config/write_check.h"

#include <cmath>

#include "config/output_limits.h"
#include "config/texts.h"
#include "device/number_format.h"

using namespace outputLimits;

namespace {

constexpr int ByteMax = 255;

QString number(double v) {
    return numberFormat::shortest(float(v));
}

class Checker {
public:
    Checker(const WriteIntent& w, const MeterParameters& m, double f) : w_(w), m_(m), f_(f) {}
    Refusal r;

    bool analog() {
        const float top =
            m_.Ueberlauf == 1 ? overflowFullScale(w_.MOG) + FullScaleTolerance : w_.MOG;
        return bytes() && flow(w_.analog[6], ConfigValue::MOG, w_.MOG) &&
               (!w_.analog[6] || at(w_.MOG > 0, ConfigValue::MOG, w_.MOG, "MOG > 0")) &&
               flow(w_.fullScale, ConfigValue::MEW, w_.MEW) && fullScale(top) &&
               flow(w_.analog[2], ConfigValue::Schleichmenge, w_.Schleichmenge) &&
               (!w_.analog[2] || creep()) && (!w_.analog[3] || damping()) &&
               (!w_.analog[5] || overflowWord());
    }
    bool digital() {
        if (w_.divisor && !pulse()) return false;
        switch (w_.digital) {
            case DigitalEdit::VariableFrequency:
                return band();
            case DigitalEdit::Pulse:
                return at(w_.Impulsdauer >= 0 && w_.Impulsdauer <= PulseDurationMax,
                          ConfigValue::Impulsdauer, w_.Impulsdauer, "0 ≤ Impulsdauer ≤ 256 ms");
            case DigitalEdit::Switch:
                return switchThresholds();
            default:
                return true;
        }
    }

private:
    bool at(bool ok, ConfigValue v, double given, const QString& limit, int text = 0,
            int title = 0) {
        if (ok) return true;
        r = {true, v, number(given), limit, text, title};
        return false;
    }
    bool at(bool ok, ConfigValue v, double given, const char* limit, int text = 0, int title = 0) {
        return at(ok, v, given, QString::fromUtf8(limit), text, title);
    }
    // A flow must be a number the meter can hold in kg/h as a single.
    bool flow(bool asked, ConfigValue v, float value) {
        return !asked ||
               at(std::isfinite(float(double(value) * f_)), v, value, "|x| < 3.4e38 kg/h");
    }
    bool bytes() {
        const std::pair<ConfigValue, int> fields[] = {
            {ConfigValue::Ausgangsart, m_.Ausgangsart},
            {ConfigValue::Analogbereich, m_.Analogbereich},
            {ConfigValue::Digitalflags, m_.Digitalflags},
            {ConfigValue::Konfigbyte3, m_.Konfigbyte3}};
        for (const auto& [v, value] : fields)
            if (!at(value >= 0 && value <= ByteMax, v, value, "0 … 255")) return false;
        return true;
    }
    bool fullScale(float top) {
        if (!w_.analog[1]) return true;
        const QString limit = QStringLiteral("1 ≤ MEW ≤ %1").arg(number(top));
        return at(w_.MEW <= top, ConfigValue::MEW, w_.MEW, limit, textNo::FullScaleTooHigh,
                  textNo::TitleFullScale) &&
               at(w_.MEW >= MinFullScale, ConfigValue::MEW, w_.MEW, limit, textNo::FullScaleTooLow,
                  textNo::TitleFullScale);
    }
    bool creep() {
        const float top = w_.fullScaleAfter(m_);
        return at(w_.Schleichmenge >= 0 && w_.Schleichmenge < top, ConfigValue::Schleichmenge,
                  w_.Schleichmenge, QStringLiteral("0 ≤ Schleichmenge < %1").arg(number(top)));
    }
    bool damping() {
        return at(w_.Daempfungszeit >= DampingMin && w_.Daempfungszeit <= DampingMax,
                  ConfigValue::Daempfung, w_.Daempfungszeit, "3 ≤ Daempfung ≤ 5000 ms");
    }
    bool overflowWord() {
        return at(w_.Ueberlauf == 0 || w_.Ueberlauf == 1, ConfigValue::Ueberlauf, w_.Ueberlauf,
                  "0 / 1");
    }
    bool pulse() {
        const float fullScale = w_.fullScaleAfter(m_);
        const double perHour = double(fullScale) / double(w_.Impulswert);
        const double timing = (w_.Impulsdauer * perHour / 1000 - 0.002 * perHour) / 3600;
        const QString least = number(impulsbasis16(fullScale));
        return at(std::isfinite(w_.Impulswert) && w_.Impulswert > 0, ConfigValue::Impulswert,
                  w_.Impulswert, QStringLiteral("Impulswert ≥ %1").arg(least),
                  textNo::PulseValueTooSmall, textNo::TitlePulse) &&
               at(w_.divisorRefused == 0, ConfigValue::Impulswert, w_.Impulswert,
                  QStringLiteral("Impulswert ≥ %1").arg(least), w_.divisorRefused,
                  textNo::TitlePulse) &&
               at(timing < 1, ConfigValue::Impulswert, w_.Impulswert,
                  "Impulsdauer · Impulse/h < 3600 s", textNo::PulsesTooFast,
                  textNo::TitlePulsesTooFast);
    }
    bool band() {
        const int top = w_.bandTop();
        const QString limit = QStringLiteral("1 ≤ FrequenzMin < FrequenzMax ≤ %1 Hz")
                                  .arg(w_.Ueberlauf == 1 ? OverflowFrequencyMax : FrequencyMax);
        return at(w_.FrequenzMin >= FrequencyMin, ConfigValue::FrequenzMin, w_.FrequenzMin, limit,
                  textNo::BandFromZero, textNo::TitleFrequency) &&
               at(w_.FrequenzMin < top, ConfigValue::FrequenzMin, w_.FrequenzMin, limit,
                  textNo::BandUpsideDown, textNo::TitleFrequency) &&
               at(w_.FrequenzMax <= FrequencyMax, ConfigValue::FrequenzMax, w_.FrequenzMax, limit,
                  textNo::FrequencyTooHigh, textNo::TitleFrequency);
    }
    bool switchThresholds() {
        const double top = SwitchHeadroom * w_.MOG;
        const QString limit = QStringLiteral("SchaltMin ≤ SchaltMax ≤ %1").arg(number(float(top)));
        return flow(true, ConfigValue::SchaltMin, w_.SchaltMin) &&
               flow(true, ConfigValue::SchaltMax, w_.SchaltMax) &&
               at(w_.SchaltMax <= top, ConfigValue::SchaltMax, w_.SchaltMax, limit,
                  textNo::SwitchTooHigh, textNo::TitleSwitch) &&
               at(w_.SchaltMax >= w_.SchaltMin, ConfigValue::SchaltMax, w_.SchaltMax, limit,
                  textNo::SwitchUpsideDown, textNo::TitleSwitch);
    }

    const WriteIntent& w_;
    const MeterParameters& m_;
    double f_;
};

}  // namespace

Refusal checkWrite(const WriteIntent& w, const MeterParameters& m, double factor) {
    Checker c(w, m, factor);
    (void)(c.analog() && c.digital());
    return c.r;
}
