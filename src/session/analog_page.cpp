#include <cmath>

#include "config/damping.h"
#include "config/numeric_entry.h"
#include "config/output_limits.h"
#include "device/analog_output.h"
#include "device/number_format.h"
#include "device/numbers.h"
#include "session/info_texts.h"
#include "session/session.h"

using namespace analogOutput;
using namespace outputLimits;

namespace {

enum Option { OutputType, FullScale, Creep, Damping, OnError, Overflow, RangeLimit };

constexpr int FullScaleTooHigh = 21;
constexpr int TitleFullScale = 22;
constexpr int OverviewPage = 0;

}  // namespace

void Session::tickAnalog(int index, bool ticked) {
    if (index < 0 || index >= EditState::AnalogOptions) return;
    edit.chkKonfAnalog[size_t(index)] = ticked;
    if (ticked) {
        switch (index) {
            case OutputType:
                edit.chkKonfAnalog[OnError] = true;
                break;
            case FullScale:
                refillBox(Box::MEW, boxForm(meter.MEW));
                break;
            case Creep:
                refillBox(Box::Schleich, boxForm(roundHalfEven(meter.Schleichmenge, 4)));
                break;
            case Damping:
                edit.Daempfungszeit = dampingPreset(meter.Filterfaktor);
                dampingMoved(edit.Daempfungszeit);
                break;
            case RangeLimit:
                refillBox(Box::MOG, boxForm(meter.MOG));
                break;
            default:
                break;
        }
    }
    refreshControls();
}

// The box emptied and given a value, as ticking its option does; both runs
// of the entry handling take place, the last one validating the value.
void Session::refillBox(Box box, const QString& text) {
    boxChanged(box, QString());
    boxChanged(box, text);
    focus(boxName(box));
}

void Session::dampingMoved(int ms) {
    const int v = qBound(DampingMin, ms, DampingMax);
    edit.Daempfungszeit = v;  // what a saved file and the write take
    edit.FilterfaktorNeu = filterFactorFor(v);
    showDamping(v, edit.FilterfaktorNeu);
}

// The slider's position and the time the meter will realise with the coefficient.
void Session::showDamping(int position, qint32 filterFactor) {
    display.put(QStringLiteral("hscKonfFiltfakt"), Aspect::Value, position);
    display.setText(QStringLiteral("lblAnZms"), QString::number(position));
    const int realised = int(std::lround(filterTime(filterFactor)));
    display.setText(QStringLiteral("lblKonfFiltFaktNeu"), QString::number(realised));
    display.setText(QStringLiteral("lblNDFilterfaktor"), QStringLiteral("%1 ms").arg(realised));
}

// An overflow switched on in the editor is given up; the full scale box
// takes the meter's value again.
void Session::leaveOverflow() {
    if (meter.Ueberlauf != 1) return;
    meter.Ueberlauf = 0;
    boxChanged(Box::MEW, boxForm(meter.MEW));
}

void Session::fullScaleEntered(double value) {
    edit.MEWNeu = float(value);
    const bool overflow = meter.Ueberlauf == 1;
    const float limit = (overflow ? overflowFullScale(meter.MOG) : meter.MOG) + FullScaleTolerance;
    if (edit.MEWNeu > limit) {
        // Nothing shows a value that a write would refuse.
        display.setTexts({"lblKonfMEWNeu", "lblNDMew"}, QString());
        message(texts[FullScaleTooHigh], texts[TitleFullScale], Buttons::Ok, Symbol::Critical);
        if (overflow) boxChanged(Box::MEW, boxForm(overflowFullScale(meter.MOG)));
        focus(boxName(Box::MEW));
        return;
    }
    display.setTexts({"lblKonfMEWNeu", "lblNDMew"}, numberFormat::shortest(edit.MEWNeu));
    meter.Impulsbasis16 = impulsbasis16(edit.MEWNeu);
    if (edit.optDigital == EditState::Pulse && !pulseDividerFits()) focus(boxName(Box::MEW));
}

void Session::rangeLimitEntered(double value) {
    const auto pattern = [](double v) { return numberFormat::rounded(v, 3); };
    if (pattern(value) == pattern(meter.MOG)) return;
    meter.MOG = float(value);
    display.setTexts({"lblKonfMOGNeu", "lblNDMog"}, numberFormat::withSignPlace(meter.MOG));
    // Ticking the full scale fills its box with the meter's value again, and
    // filling it checks that value against the new limit.
    tickAnalog(FullScale, true);
    focus(boxName(Box::MOG));
}

void Session::chooseAnalogOutput(int index) {
    if (edit.Listensperre || index < 0 || index > 3) return;
    edit.ListAnalogAus = index;
    const Range r = rangeOfEntry(index);
    display.setTexts({"lblKonfAnaOutNeu", "lblNDAnalogausgang"}, rangeText(r));
    display.setTexts({"lblinfo_32", "frmND.lblinfo_8"}, analogOutput::unit(r));
    const QStringList choices = errorChoices(r);
    for (int i = 0; i < choices.size(); ++i)
        display.setItem(QStringLiteral("ListKonfErr"), i, choices[i]);
    if (choices.value(edit.ListKonfErr).isEmpty()) {
        display.setSelection(QStringLiteral("ListKonfErr"), 0);
        chooseErrorOutput(0);
    }
}

void Session::chooseErrorOutput(int index) {
    if (edit.Listensperre) return;
    const QString text = display.item(QStringLiteral("ListKonfErr"), index);
    if (text.isEmpty()) return;
    edit.ListKonfErr = index;
    display.setTexts({"lblKonfErrNeu", "lblNDAusgangFehler"}, errorText(index));
}

void Session::chooseOverflow(int index) {
    const bool active = index == 0;
    meter.Ueberlauf = active ? 1 : 0;
    if (language != Language::Unknown)
        display.setTexts({"lblKonfULNeu", "lblNDUL"}, infoTexts::overflowWord(language, active));
    if (!active) return;
    const double f = settings.unit.Umrechnungsfaktor;
    const float highest = overflowFullScale(meter.MOG);
    if (f * meter.MEW > f * highest + OverflowTolerance) {
        message(texts[FullScaleTooHigh], texts[TitleFullScale], Buttons::Ok, Symbol::Critical);
        boxChanged(Box::MEW, boxForm(highest));
    }
    if (state.Startphase) return;
    if (leadingNumber(display.text(boxName(Box::MEW))) > highest)
        boxChanged(Box::MEW, boxForm(highest));
    if (leadingNumber(display.text(boxName(Box::FrequenzMax))) > OverflowFrequencyMax)
        boxChanged(Box::FrequenzMax, QString::number(OverflowFrequencyMax));
}

void Session::cancelAnalog() {
    setCountsTimer(false);
    for (int i = 0; i < RangeLimit; ++i)
        edit.chkKonfAnalog[size_t(i)] = false;
    refreshControls();
    leaveOverflow();
    readMeterAgain();
    display.setSelection(QStringLiteral("regkor2"), OverviewPage);
    setCountsTimer(state.PortOk);
}
