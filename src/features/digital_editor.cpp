#include <cmath>

#include "config/numeric_entry.h"
#include "config/output_limits.h"
#include "config/pulse_divider.h"
#include "config/time_base.h"
#include "device/number_format.h"
#include "device/numbers.h"
#include "features/digital_editor.h"

namespace {

using outputLimits::FrequencyMax;
using outputLimits::OverflowFrequencyMax;

const char* const Plus = "Plus";
const char* const Minus = "Minus";

QString polarityWord(bool plus) {
    return plus ? QStringLiteral("Positiv") : QStringLiteral("Negativ");
}

}  // namespace

DigitalEditor::DigitalEditor(Session& core) : core_(core) {
    core_.events.onValuesShown([this](const ShownChoices& c) {
        if (c.frequencyRange >= 0) edit_.ListFrequenz = c.frequencyRange;
        if (c.pulseValue) edit_.Impulswertigkeit = *c.pulseValue;
    });
    core_.events.onEditsDiscarded([this] { edit_.optDigital = -1; });
    core_.events.addControls([this](ControlInputs& in) { in.digitalChosen = edit_.optDigital; });
}

void DigitalEditor::take(const DigitalEdit& e) {
    edit_ = e;
}

QString DigitalEditor::boxChanged(Box b, const QString& typed) {
    const NumericEntry entry = enterNumber(core_, b, typed);
    if (entry.empty()) return entry.text;
    switch (b) {
        case Box::FrequenzMin:
        case Box::FrequenzMax:
            frequencyEntered(b, entry.value);
            break;
        case Box::ImpWert:
            pulseValueEntered(entry.value);
            break;
        case Box::SchaltMin:
        case Box::SchaltMax:
            switchThresholdEntered(b, entry.value);
            break;
        default:
            break;
    }
    // A handler may have put another text in the box (a limit, say).
    return core_.display.text(boxName(b));
}

void DigitalEditor::chooseDigital(int index) {
    if (index < 0 || index > DigitalEdit::NoOutput) return;
    edit_.optDigital = index;
    core_.refreshControls();
    switch (index) {
        case DigitalEdit::StandardFrequency:
            core_.display.setText(QStringLiteral("lblinfo_36"), QStringLiteral("Hz"));
            if (core_.display.selection(QStringLiteral("ListFrequenz")) < 0)
                chooseFrequencyRange(0);
            chooseFrequencyRange(core_.meter.Frequenzbereich == 2 ? 1 : 0);
            break;
        case DigitalEdit::VariableFrequency:
            core_.meter.Frequenzbereich = 0;
            core_.display.setTexts({"lblinfo_37", "lblinfo_38"}, QStringLiteral("Hz"));
            boxChanged(Box::FrequenzMin, QString::number(core_.meter.FrequenzMin));
            boxChanged(Box::FrequenzMax, QString::number(core_.meter.FrequenzMax));
            break;
        case DigitalEdit::Pulse:
            preparePulseEditor();
            break;
        case DigitalEdit::Switch:
            core_.display.setTexts({"lblinfo_41", "lblinfo_42"}, core_.settings.unit.Einheit);
            boxChanged(Box::SchaltMin, boxForm(core_.meter.SchaltMin));
            boxChanged(Box::SchaltMax, boxForm(core_.meter.SchaltMax));
            chooseSwitchPolarity((edit_.SchaltPolaritaet.isEmpty()
                                      ? core_.meter.Polaritaet
                                      : edit_.SchaltPolaritaet) == QLatin1String(Plus)
                                     ? 0
                                     : 1);
            break;
        default:
            break;
    }
}

void DigitalEditor::preparePulseEditor() {
    const QString& unitName = core_.settings.unit.Einheit;
    core_.display.setTexts({"lblinfo_39", "frmND.lblinfo_17"}, timeBase::amountUnit(unitName));
    core_.display.setText(QStringLiteral("lblinfo_40"), QStringLiteral("ms"));
    edit_.Zeitbasis = timeBase::search(unitName);
    edit_.Impulswertigkeit = float(core_.meter.Impulswert * timeBase::perHour(edit_.Zeitbasis));
    boxChanged(Box::ImpWert, boxForm(edit_.Impulswertigkeit));
    core_.focus(boxName(Box::ImpWert));
    pulseDurationMoved(core_.meter.Impulsdauer);
    choosePulsePolarity(core_.meter.Polaritaet == QLatin1String(Plus) ? 0 : 1);
}

void DigitalEditor::chooseFrequencyRange(int index) {
    if (core_.state.Listensperre || index < 0 || index > 1) return;
    edit_.ListFrequenz = index;
    core_.meter.Frequenzbereich = index + 1;
    core_.display.setSelection(QStringLiteral("ListFrequenz"), index);
    core_.display.setTexts({"lblKonfFrequenzNeu", "lblNDFrequenz"},
                           index == 0 ? QStringLiteral("1 - 100") : QStringLiteral("10 - 1000"));
    core_.display.setVisible(QStringLiteral("lblinfo_36"), true);
}

void DigitalEditor::frequencyEntered(Box box, double value) {
    const int limit = core_.meter.Ueberlauf == 1 ? OverflowFrequencyMax : FrequencyMax;
    if (value > limit) {
        core_.message(core_.texts[textNo::FrequencyTooHigh], core_.texts[textNo::TitleFrequency],
                      Buttons::Ok, Symbol::Critical);
        core_.display.setSelection(QStringLiteral("regkor2"), page::Digital);
        boxChanged(box, QString::number(limit));
        core_.focus(boxName(box));
        return;
    }
    const qint16 hz = qint16(std::lround(value));
    const bool min = box == Box::FrequenzMin;
    (min ? core_.meter.FrequenzMin : core_.meter.FrequenzMax) = hz;
    if (min)
        core_.display.setTexts({"lblFrequenzminNeu", "lblNDFrequenzmin"}, QString::number(hz));
    else
        core_.display.setTexts({"lblFrequenzmaxNeu", "lblNDFrequenzmax"}, QString::number(hz));
}

void DigitalEditor::pulseValueEntered(double value) {
    if (value == 0) {
        core_.display.setText(QStringLiteral("lblKonfImpWertNeu"), QString());
        return;
    }
    edit_.Impulswertigkeit = float(value);
    core_.display.setTexts({"lblKonfImpWertNeu", "lblNDWertigkeit"},
                           numberFormat::shortest(edit_.Impulswertigkeit));
    core_.meter.Impulswert = float(value / timeBase::perHour(edit_.Zeitbasis));
    pulseDividerFits();
}

bool DigitalEditor::pulseDividerFits() {
    const PulseDivider d = Impulsteilerberechnung(core_.meter);
    if (d.refusedText) {
        // Nothing shows an amount per pulse that a write would refuse.
        core_.display.setTexts({"lblKonfImpWertNeu", "lblNDWertigkeit"}, QString());
        core_.message(core_.texts[d.refusedText], core_.texts[textNo::TitlePulse], Buttons::Ok,
                      Symbol::Critical);
    }
    return !d.refusedText;
}

void DigitalEditor::pulseDurationMoved(int ms) {
    core_.meter.Impulsdauer = qBound(0, ms, 256);
    core_.display.put(QStringLiteral("hscKonfImpDauer"), Aspect::Value, core_.meter.Impulsdauer);
    core_.display.setTexts({"lblKonfImpDauerNeu", "lblNDDauer"},
                           QStringLiteral("%1 ms").arg(core_.meter.Impulsdauer));
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

void DigitalEditor::choosePulsePolarity(int index) {
    core_.meter.Polaritaet = showPolarity(
        core_.display,
        {"ListKonfImpPol", "picKonfImpPolPlusNeu", "picKonfImpPolMinusNeu", "lblNDImpulsPol"},
        index);
}

void DigitalEditor::chooseSwitchPolarity(int index) {
    edit_.SchaltPolaritaet = showPolarity(core_.display,
                                          {"ListkonfSchaltPol", "PicKonfSchaltPolPlusNeu",
                                           "PicKonfSchaltPolMinusNeu", "lblNDSchaltPol"},
                                          index);
}

void DigitalEditor::switchThresholdEntered(Box box, double value) {
    const float v = float(value);
    if (box == Box::SchaltMin) {
        core_.meter.SchaltMin = v;
        core_.display.setTexts({"lblKonfSchaltMinNeu", "lblNDSchaltMin"},
                               numberFormat::shortest(v));
    } else {
        core_.meter.SchaltMax = v;
        core_.display.setTexts({"lblKonfSchaltMaxNeu", "lblNDSchaltMax"},
                               numberFormat::shortest(v));
    }
}

void DigitalEditor::cancelDigital() {
    edit_.optDigital = -1;
    core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
    core_.refreshControls();
}
