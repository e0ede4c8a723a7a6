#include <cmath>

#include "config/numeric_entry.h"
#include "config/output_limits.h"
#include "config/pulse_divider.h"
#include "config/time_base.h"
#include "device/number_format.h"
#include "device/numbers.h"
#include "session/session.h"

namespace {

using outputLimits::FrequencyMax;
using outputLimits::OverflowFrequencyMax;
constexpr int FrequencyTooHigh = 40;
constexpr int TitleFrequency = 42;
constexpr int TitlePulse = 30;
constexpr int OverviewPage = 0;
constexpr int DigitalPage = 2;

const char* const Plus = "Plus";
const char* const Minus = "Minus";

QString polarityWord(bool plus) {
    return plus ? QStringLiteral("Positiv") : QStringLiteral("Negativ");
}

}  // namespace

void Session::chooseDigital(int index) {
    if (index < 0 || index > EditState::NoOutput) return;
    edit.optDigital = index;
    refreshControls();
    switch (index) {
        case EditState::StandardFrequency:
            display.setText(QStringLiteral("lblinfo_36"), QStringLiteral("Hz"));
            if (display.selection(QStringLiteral("ListFrequenz")) < 0) chooseFrequencyRange(0);
            chooseFrequencyRange(meter.Frequenzbereich == 2 ? 1 : 0);
            break;
        case EditState::VariableFrequency:
            meter.Frequenzbereich = 0;
            display.setTexts({"lblinfo_37", "lblinfo_38"}, QStringLiteral("Hz"));
            boxChanged(Box::FrequenzMin, QString::number(meter.FrequenzMin));
            boxChanged(Box::FrequenzMax, QString::number(meter.FrequenzMax));
            break;
        case EditState::Pulse:
            preparePulseEditor();
            break;
        case EditState::Switch:
            display.setTexts({"lblinfo_41", "lblinfo_42"}, settings.unit.Einheit);
            boxChanged(Box::SchaltMin, boxForm(meter.SchaltMin));
            boxChanged(Box::SchaltMax, boxForm(meter.SchaltMax));
            chooseSwitchPolarity(
                (edit.SchaltPolaritaet.isEmpty() ? meter.Polaritaet : edit.SchaltPolaritaet) ==
                        QLatin1String(Plus)
                    ? 0
                    : 1);
            break;
        default:
            break;
    }
}

void Session::preparePulseEditor() {
    const QString& unitName = settings.unit.Einheit;
    display.setTexts({"lblinfo_39", "frmND.lblinfo_17"}, timeBase::amountUnit(unitName));
    display.setText(QStringLiteral("lblinfo_40"), QStringLiteral("ms"));
    edit.Zeitbasis = timeBase::search(unitName);
    edit.Impulswertigkeit = float(meter.Impulswert * timeBase::perHour(edit.Zeitbasis));
    boxChanged(Box::ImpWert, boxForm(edit.Impulswertigkeit));
    focus(boxName(Box::ImpWert));
    pulseDurationMoved(meter.Impulsdauer);
    choosePulsePolarity(meter.Polaritaet == QLatin1String(Plus) ? 0 : 1);
}

void Session::chooseFrequencyRange(int index) {
    if (edit.Listensperre || index < 0 || index > 1) return;
    edit.ListFrequenz = index;
    meter.Frequenzbereich = index + 1;
    display.setSelection(QStringLiteral("ListFrequenz"), index);
    display.setTexts({"lblKonfFrequenzNeu", "lblNDFrequenz"},
                     index == 0 ? QStringLiteral("1 - 100") : QStringLiteral("10 - 1000"));
    display.setVisible(QStringLiteral("lblinfo_36"), true);
}

void Session::frequencyEntered(Box box, double value) {
    const int limit = meter.Ueberlauf == 1 ? OverflowFrequencyMax : FrequencyMax;
    if (value > limit) {
        message(texts[FrequencyTooHigh], texts[TitleFrequency], Buttons::Ok, Symbol::Critical);
        display.setSelection(QStringLiteral("regkor2"), DigitalPage);
        boxChanged(box, QString::number(limit));
        focus(boxName(box));
        return;
    }
    const qint16 hz = qint16(std::lround(value));
    const bool min = box == Box::FrequenzMin;
    (min ? meter.FrequenzMin : meter.FrequenzMax) = hz;
    if (min)
        display.setTexts({"lblFrequenzminNeu", "lblNDFrequenzmin"}, QString::number(hz));
    else
        display.setTexts({"lblFrequenzmaxNeu", "lblNDFrequenzmax"}, QString::number(hz));
}

void Session::pulseValueEntered(double value) {
    if (value == 0) {
        display.setText(QStringLiteral("lblKonfImpWertNeu"), QString());
        return;
    }
    edit.Impulswertigkeit = float(value);
    display.setTexts({"lblKonfImpWertNeu", "lblNDWertigkeit"},
                     numberFormat::shortest(edit.Impulswertigkeit));
    meter.Impulswert = float(value / timeBase::perHour(edit.Zeitbasis));
    pulseDividerFits();
}

bool Session::pulseDividerFits() {
    const PulseDivider d = Impulsteilerberechnung(meter);
    if (d.refusedText) {
        // Nothing shows an amount per pulse that a write would refuse.
        display.setTexts({"lblKonfImpWertNeu", "lblNDWertigkeit"}, QString());
        message(texts[d.refusedText], texts[TitlePulse], Buttons::Ok, Symbol::Critical);
    }
    return !d.refusedText;
}

void Session::pulseDurationMoved(int ms) {
    meter.Impulsdauer = qBound(0, ms, 256);
    display.put(QStringLiteral("hscKonfImpDauer"), Aspect::Value, meter.Impulsdauer);
    display.setTexts({"lblKonfImpDauerNeu", "lblNDDauer"},
                     QStringLiteral("%1 ms").arg(meter.Impulsdauer));
}

namespace {

struct PolarityControls {
    const char* list;
    const char* plusPicture;
    const char* minusPicture;
    const char* deviceDataLabel;
};

// Chooses a polarity in its list, shows its picture and names it in the
// device data window; the result is the word the record keeps.
QLatin1String showPolarity(DisplayModel& d, const PolarityControls& c, int index) {
    const bool plus = index == 0;
    d.setSelection(QLatin1String(c.list), plus ? 0 : 1);
    d.setVisible(QLatin1String(c.plusPicture), plus);
    d.setVisible(QLatin1String(c.minusPicture), !plus);
    d.setText(QLatin1String(c.deviceDataLabel), polarityWord(plus));
    return QLatin1String(plus ? Plus : Minus);
}

}  // namespace

void Session::choosePulsePolarity(int index) {
    meter.Polaritaet = showPolarity(
        display,
        {"ListKonfImpPol", "picKonfImpPolPlusNeu", "picKonfImpPolMinusNeu", "lblNDImpulsPol"},
        index);
}

void Session::chooseSwitchPolarity(int index) {
    edit.SchaltPolaritaet = showPolarity(display,
                                         {"ListkonfSchaltPol", "PicKonfSchaltPolPlusNeu",
                                          "PicKonfSchaltPolMinusNeu", "lblNDSchaltPol"},
                                         index);
}

void Session::switchThresholdEntered(Box box, double value) {
    const float v = float(value);
    if (box == Box::SchaltMin) {
        meter.SchaltMin = v;
        display.setTexts({"lblKonfSchaltMinNeu", "lblNDSchaltMin"}, numberFormat::shortest(v));
    } else {
        meter.SchaltMax = v;
        display.setTexts({"lblKonfSchaltMaxNeu", "lblNDSchaltMax"}, numberFormat::shortest(v));
    }
}

void Session::cancelDigital() {
    edit.optDigital = -1;
    display.setSelection(QStringLiteral("regkor2"), OverviewPage);
    refreshControls();
}
