#include <cmath>

#include "config/damping.h"
#include "config/numeric_entry.h"
#include "config/output_limits.h"
#include "device/analog_output.h"
#include "device/number_format.h"
#include "device/numbers.h"
#include "features/analog_editor.h"
#include "session/info_texts.h"

using namespace analogOutput;
using namespace outputLimits;

namespace {

enum Option { OutputType, FullScale, Creep, Damping, OnError, Overflow, RangeLimit };

}  // namespace

AnalogEditor::AnalogEditor(Session& core, DigitalEditor& digital) : core_(core), digital_(digital) {
    core_.events.onValuesShown([this](const ShownChoices& c) {
        edit_.ListAnalogAus = c.analogRange;
        if (c.errorOutput >= 0) edit_.ListKonfErr = c.errorOutput;
    });
    core_.events.onEditsDiscarded([this] { edit_.chkKonfAnalog = {}; });
    core_.events.addControls([this](ControlInputs& in) { in.analogTicked = edit_.chkKonfAnalog; });
}

void AnalogEditor::take(const AnalogEdit& e) {
    edit_ = e;
}

void AnalogEditor::askRangeLimit() {
    edit_.chkKonfAnalog[RangeLimit] = true;
}

void AnalogEditor::showTaken() {
    core_.display.put(boxName(Box::MEW), Aspect::Text, boxForm(core_.meter.MEW));
    core_.display.put(boxName(Box::Schleich), Aspect::Text, boxForm(core_.meter.Schleichmenge));
    showDamping(edit_.Daempfungszeit, edit_.FilterfaktorNeu);
}

QString AnalogEditor::boxChanged(Box b, const QString& typed) {
    const NumericEntry entry = enterNumber(core_, b, typed);
    if (entry.empty()) return entry.text;
    switch (b) {
        case Box::MEW:
            fullScaleEntered(entry.value);
            break;
        case Box::Schleich:
            edit_.SchleichmengeNeu = float(entry.value);
            core_.display.setTexts({"lblKonfSchleichNeu", "lblNDSchleichmenge"},
                                   numberFormat::shortest(edit_.SchleichmengeNeu));
            break;
        case Box::MOG:
            rangeLimitEntered(entry.value);
            break;
        default:
            break;
    }
    // A handler may have put another text in the box (a limit, say).
    return core_.display.text(boxName(b));
}

void AnalogEditor::tickAnalog(int index, bool ticked) {
    if (index < 0 || index >= AnalogEdit::Options) return;
    edit_.chkKonfAnalog[size_t(index)] = ticked;
    if (ticked) {
        switch (index) {
            case OutputType:
                edit_.chkKonfAnalog[OnError] = true;
                break;
            case FullScale:
                refillBox(Box::MEW, boxForm(core_.meter.MEW));
                break;
            case Creep:
                refillBox(Box::Schleich, boxForm(roundHalfEven(core_.meter.Schleichmenge, 4)));
                break;
            case Damping:
                edit_.Daempfungszeit = dampingPreset(core_.meter.Filterfaktor);
                dampingMoved(edit_.Daempfungszeit);
                break;
            case RangeLimit:
                refillBox(Box::MOG, boxForm(core_.meter.MOG));
                break;
            default:
                break;
        }
    }
    core_.refreshControls();
}

// The box emptied and given a value, as ticking its option does; both runs
// of the entry handling take place, the last one validating the value.
void AnalogEditor::refillBox(Box box, const QString& text) {
    boxChanged(box, QString());
    boxChanged(box, text);
    core_.focus(boxName(box));
}

void AnalogEditor::dampingMoved(int ms) {
    const int v = qBound(DampingMin, ms, DampingMax);
    edit_.Daempfungszeit = v;  // what a saved file and the write take
    edit_.FilterfaktorNeu = filterFactorFor(v);
    showDamping(v, edit_.FilterfaktorNeu);
}

// The slider's position and the time the meter will realise with the coefficient.
void AnalogEditor::showDamping(int position, qint32 filterFactor) {
    core_.display.put(QStringLiteral("hscKonfFiltfakt"), Aspect::Value, position);
    core_.display.setText(QStringLiteral("lblAnZms"), QString::number(position));
    const int realised = int(std::lround(filterTime(filterFactor)));
    core_.display.setText(QStringLiteral("lblKonfFiltFaktNeu"), QString::number(realised));
    core_.display.setText(QStringLiteral("lblNDFilterfaktor"),
                          QStringLiteral("%1 ms").arg(realised));
}

// An overflow switched on in the editor is given up; the full scale box
// takes the meter's value again.
void AnalogEditor::leaveOverflow() {
    if (core_.meter.Ueberlauf != 1) return;
    core_.meter.Ueberlauf = 0;
    boxChanged(Box::MEW, boxForm(core_.meter.MEW));
}

void AnalogEditor::fullScaleEntered(double value) {
    edit_.MEWNeu = float(value);
    const bool overflow = core_.meter.Ueberlauf == 1;
    const float limit =
        (overflow ? overflowFullScale(core_.meter.MOG) : core_.meter.MOG) + FullScaleTolerance;
    if (edit_.MEWNeu > limit) {
        // Nothing shows a value that a write would refuse.
        core_.display.setTexts({"lblKonfMEWNeu", "lblNDMew"}, QString());
        core_.message(core_.texts[textNo::FullScaleTooHigh], core_.texts[textNo::TitleFullScale],
                      Buttons::Ok, Symbol::Critical);
        if (overflow) boxChanged(Box::MEW, boxForm(overflowFullScale(core_.meter.MOG)));
        core_.focus(boxName(Box::MEW));
        return;
    }
    core_.display.setTexts({"lblKonfMEWNeu", "lblNDMew"}, numberFormat::shortest(edit_.MEWNeu));
    core_.meter.Impulsbasis16 = impulsbasis16(edit_.MEWNeu);
    if (digital_.edit().optDigital == DigitalEdit::Pulse && !digital_.pulseDividerFits())
        core_.focus(boxName(Box::MEW));
}

void AnalogEditor::rangeLimitEntered(double value) {
    const auto pattern = [](double v) { return numberFormat::rounded(v, 3); };
    if (pattern(value) == pattern(core_.meter.MOG)) return;
    core_.meter.MOG = float(value);
    core_.display.setTexts({"lblKonfMOGNeu", "lblNDMog"},
                           numberFormat::withSignPlace(core_.meter.MOG));
    // Ticking the full scale fills its box with the meter's value again, and
    // filling it checks that value against the new limit.
    tickAnalog(FullScale, true);
    core_.focus(boxName(Box::MOG));
}

void AnalogEditor::chooseAnalogOutput(int index) {
    if (core_.state.Listensperre || index < 0 || index > 3) return;
    edit_.ListAnalogAus = index;
    const Range r = rangeOfEntry(index);
    core_.display.setTexts({"lblKonfAnaOutNeu", "lblNDAnalogausgang"}, rangeText(r));
    core_.display.setTexts({"lblinfo_32", "frmND.lblinfo_8"}, analogOutput::unit(r));
    const QStringList choices = errorChoices(r);
    for (int i = 0; i < choices.size(); ++i)
        core_.display.setItem(QStringLiteral("ListKonfErr"), i, choices[i]);
    if (choices.value(edit_.ListKonfErr).isEmpty()) {
        core_.display.setSelection(QStringLiteral("ListKonfErr"), 0);
        chooseErrorOutput(0);
    }
}

void AnalogEditor::chooseErrorOutput(int index) {
    if (core_.state.Listensperre) return;
    const QString text = core_.display.item(QStringLiteral("ListKonfErr"), index);
    if (text.isEmpty()) return;
    edit_.ListKonfErr = index;
    core_.display.setTexts({"lblKonfErrNeu", "lblNDAusgangFehler"}, errorText(index));
}

void AnalogEditor::chooseOverflow(int index) {
    const bool active = index == 0;
    core_.meter.Ueberlauf = active ? 1 : 0;
    if (core_.language != Language::Unknown)
        core_.display.setTexts({"lblKonfULNeu", "lblNDUL"},
                               infoTexts::overflowWord(core_.language, active));
    if (!active) return;
    const double f = core_.settings.unit.Umrechnungsfaktor;
    const float highest = overflowFullScale(core_.meter.MOG);
    if (f * core_.meter.MEW > f * highest + OverflowTolerance) {
        core_.message(core_.texts[textNo::FullScaleTooHigh], core_.texts[textNo::TitleFullScale],
                      Buttons::Ok, Symbol::Critical);
        boxChanged(Box::MEW, boxForm(highest));
    }
    if (core_.state.Startphase) return;
    if (leadingNumber(core_.display.text(boxName(Box::MEW))) > highest)
        boxChanged(Box::MEW, boxForm(highest));
    if (leadingNumber(core_.display.text(boxName(Box::FrequenzMax))) > OverflowFrequencyMax)
        digital_.boxChanged(Box::FrequenzMax, QString::number(OverflowFrequencyMax));
}

void AnalogEditor::cancelAnalog() {
    core_.setCountsTimer(false);
    for (int i = 0; i < RangeLimit; ++i)
        edit_.chkKonfAnalog[size_t(i)] = false;
    core_.refreshControls();
    leaveOverflow();
    core_.readMeterAgain();
    core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
    core_.setCountsTimer(core_.state.PortOk);
}
