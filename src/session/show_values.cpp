#include "session/show_values.h"

#include <QStringList>
#include <cmath>
#include <stdexcept>

#include "config/damping.h"
#include "config/time_base.h"
#include "device/analog_output.h"
#include "device/eeprom_auswerten.h"
#include "device/number_format.h"
#include "device/numbers.h"
#include "device/output_kind.h"
#include "session/info_texts.h"

using namespace analogOutput;

namespace {

// The display model, seen through the columns being shown: with the new
// column only, the current values and the summary page keep what they show.
class Out {
public:
    Out(DisplayModel& v, Columns c) : v_(v), all_(c == Columns::CurrentAndNew) {}
    void setText(const QString& n, const QString& t) {
        if (shows(n)) v_.setText(n, t);
    }
    void setVisible(const QString& n, bool on) {
        if (shows(n)) v_.setVisible(n, on);
    }
    void setItem(const QString& n, int i, const QString& t) { v_.setItem(n, i, t); }
    void setSelection(const QString& n, int i) { v_.setSelection(n, i); }
    void put(const QString& n, Aspect a, const QVariant& value) { v_.put(n, a, value); }
    // Keeps the first failure, for the message that names it.
    void failed(const std::exception& f) {
        if (failure.isEmpty()) failure = QString::fromUtf8(f.what());
    }
    QString failure;

private:
    bool shows(const QString& n) const {
        static const char* const newSide[] = {"lblND", "frmND.", "raND", "txt", "hsc"};
        if (all_ || n.contains(QLatin1String("Neu")) || n == QLatin1String("lblinfo_32"))
            return true;
        for (const char* prefix : newSide)
            if (n.startsWith(QLatin1String(prefix))) return true;
        return false;
    }
    DisplayModel& v_;
    bool all_;
};

void setAll(Out& v, std::initializer_list<const char*> names, const QString& text) {
    for (const char* n : names)
        v.setText(QLatin1String(n), text);
}

void visible(Out& v, std::initializer_list<const char*> names, bool on) {
    for (const char* n : names)
        v.setVisible(QLatin1String(n), on);
}

// The lists show the meter's choices, and a ticked option writes what its list shows.
void analog(const MeterParameters& p, ShownChoices& c, Out& v) {
    const Range b = range(p.Ausgangsart, p.Analogbereich);
    setAll(v, {"lblGANAOUT", "lblKonfAnaOutAkt", "lblKonfAnaOutNeu", "lblNDAnalogausgang"},
           rangeText(b));
    setAll(v, {"lblinfo_32", "lblinfo_50", "lblinfo_51", "frmND.lblinfo_8"}, unit(b));
    const QStringList fault = errorChoices(b);
    for (int i = 0; i < fault.size(); ++i)
        v.setItem(QStringLiteral("ListKonfErr"), i, fault[i]);
    c.analogRange = entryOfRange(b);
    v.setSelection(QStringLiteral("ListAnalogAus"), c.analogRange);
}

// An output's plus and minus pictures, in this order, on the summary page,
// in the current and in the new column.
struct PolarityPictures {
    const char* summary[2];
    const char* current[2];
    const char* next[2];
};

// The meter's polarity. An output it does not have shows neither picture,
// except in the new column, which keeps what the editor chose for it.
void polarity(Out& v, const MeterParameters& p, bool shown, const PolarityPictures& pictures) {
    const bool plus = p.Polaritaet == QLatin1String("Plus");
    const bool on[2] = {shown && plus, shown && !plus};
    for (int i = 0; i < 2; ++i) {
        v.setVisible(QLatin1String(pictures.summary[i]), on[i]);
        v.setVisible(QLatin1String(pictures.current[i]), on[i]);
        if (shown) v.setVisible(QLatin1String(pictures.next[i]), on[i]);
    }
}

// The labels of an output the meter does not have are emptied, so that none
// keeps what a meter shown before had there.
QString when(bool shown, const QString& text) {
    return shown ? text : QString();
}

void frequency(const MeterParameters& p, ShownChoices& c, Out& v, bool shown) {
    const bool variable = shown && p.Frequenzbereich == 0;
    const bool standard = shown && !variable;
    if (shown) {
        v.setVisible(QStringLiteral("raNDFrequenzstandard"), standard);
        v.setVisible(QStringLiteral("raNDFrequenzvariabel"), variable);
    }
    setAll(v, {"lblFrequenzminAkt", "lblFrequenzmin", "lblNDFrequenzmin"},
           when(variable, QString::number(p.FrequenzMin)));
    setAll(v, {"lblFrequenzmaxAkt", "lblFrequenzmax", "lblNDFrequenzmax"},
           when(variable, QString::number(p.FrequenzMax)));
    const QString range = p.Frequenzbereich == 1   ? QStringLiteral("1 - 100")
                          : p.Frequenzbereich == 2 ? QStringLiteral("10 - 1000")
                                                   : QStringLiteral("100 - 10000");
    setAll(v, {"lblKonfFrequenzAkt", "lblKonfFrequenzNeu", "lblFrequenz", "lblNDFrequenz"},
           when(standard, range));
    if (standard && (p.Frequenzbereich == 1 || p.Frequenzbereich == 2)) {
        c.frequencyRange = p.Frequenzbereich - 1;
        v.setSelection(QStringLiteral("ListFrequenz"), c.frequencyRange);
    }
}

QString polarityWord(const MeterParameters& p) {
    return p.Polaritaet == QLatin1String("Plus") ? QStringLiteral("Positiv")
                                                 : QStringLiteral("Negativ");
}

void switchOutput(const MeterParameters& p, Out& v, bool shown) {
    setAll(v, {"lblKonfSchaltMinAkt", "lblKonfSchaltMinNeu", "lblSchaltMin", "lblNDSchaltMin"},
           when(shown, numberFormat::shortest(p.SchaltMin)));
    setAll(v, {"lblKonfSchaltMaxAkt", "lblKonfSchaltMaxNeu", "lblSchaltMax", "lblNDSchaltMax"},
           when(shown, numberFormat::shortest(p.SchaltMax)));
    v.setText(QStringLiteral("lblNDSchaltPol"), when(shown, polarityWord(p)));
    polarity(v, p, shown,
             {{"PicSchaltPolPlus", "PicSchaltPolMinus"},
              {"PicKonfSchaltPolPlusAkt", "PicKonfSchaltPolMinusAkt"},
              {"PicKonfSchaltPolPlusNeu", "PicKonfSchaltPolMinusNeu"}});
}

void pulseOutput(const MeterParameters& p, const Unit& e, ShownChoices& c, Out& v, bool shown) {
    const float amount =
        shown ? float(roundHalfEven(p.Impulswert * timeBase::factor(e.Einheit), 1)) : 0.0f;
    c.pulseValue = amount;
    setAll(v, {"lblKonfImpWertAkt", "lblKonfImpWertNeu", "lblPulsWert", "lblNDWertigkeit"},
           when(shown, numberFormat::shortest(amount)));
    setAll(v, {"lblKonfImpDauerAkt", "lblKonfImpDauerNeu", "lblPulsDauer", "lblNDDauer"},
           when(shown, QStringLiteral("%1 ms").arg(p.Impulsdauer)));
    v.setText(QStringLiteral("lblNDImpulsPol"), when(shown, polarityWord(p)));
    polarity(v, p, shown,
             {{"PicImpPolPlus", "PicImpPolMinus"},
              {"PicKonfImpPolPlusAkt", "picKonfImpPolMinusAkt"},
              {"picKonfImpPolPlusNeu", "picKonfImpPolMinusNeu"}});
    if (shown)
        v.put(QStringLiteral("txtKonfImpWert"), Aspect::Text, QString::number(double(amount)));
}

void digital(const MeterParameters& p, const Unit& e, ShownChoices& c, Out& v) {
    const bool pulse = p.Ausgangsart & outputKind::Pulse,
               freq = p.Ausgangsart & outputKind::Frequency,
               switching = p.Ausgangsart & outputKind::Switching;
    visible(v, {"raImpuls", "raNDImpuls"}, pulse);
    visible(v, {"raFrequenz"}, freq);
    visible(v, {"raSchalt", "raNDSchalt"}, switching);
    visible(v, {"raNDFrequenzstandard", "raNDFrequenzvariabel"}, false);
    frequency(p, c, v, freq);
    switchOutput(p, v, switching);
    pulseOutput(p, e, c, v, pulse);
}

void errorAndOverflow(const MeterParameters& p, Language s, ShownChoices& c, Out& v) {
    const int behavior = errorBehavior(p.Analogbereich);
    if (behavior >= 0) {
        c.errorOutput = behavior;
        v.setSelection(QStringLiteral("ListKonfErr"), behavior);
    }
    setAll(v, {"lblERR", "lblKonfErrAkt", "lblKonfErrNeu", "lblNDAusgangFehler"},
           errorText(behavior));
    const bool active = p.Ueberlauf == 1;
    v.setSelection(QStringLiteral("ListUeberlauf"), active ? 0 : 1);
    // Firmware without the overflow function has no state to show.
    if (s != Language::Unknown)
        setAll(v, {"lblKonfULAkt", "lblKonfULNeu", "lblNDUL"},
               when(overflowKnown(p), infoTexts::overflowWord(s, active)));
}

// The line under the live values that says whether the overflow range is on.
void overflowLabel(bool active, Language s, DisplayModel& v) {
    v.setText(QStringLiteral("lblUeberlauf"), infoTexts::overflowText(s, active));
    v.setTextColor(QStringLiteral("lblUeberlauf"), active ? color::Blue : color::Red);
}

// A coefficient without a time constant (an erased one) leaves the damping
// labels empty and the slider at the end it comes closest to.
void damping(const MeterParameters& p, Out& v) {
    QString ms;
    int position = 0;
    try {
        ms = QString::number(std::lround(filterTime(p.Filterfaktor)));
        position = dampingPosition(p.Filterfaktor);
    } catch (const std::exception& f) {
        v.failed(f);
        position = dampingPreset(p.Filterfaktor);
    }
    setAll(v, {"lblFILTFAKT", "lblKonfFiltfaktAkt", "lblKonfFiltFaktNeu"}, ms);
    v.setText(QStringLiteral("lblNDFilterfaktor"), when(!ms.isEmpty(), ms + QStringLiteral(" ms")));
    v.put(QStringLiteral("hscKonfFiltfakt"), Aspect::Value, position);
}

void rangeValues(const MeterParameters& p, const Unit& e, Out& v) {
    setAll(v, {"lblMEW", "lblKonfMEWAkt", "lblKonfMEWNeu", "lblNDMew"},
           numberFormat::rounded(p.MEW, 4));
    setAll(v, {"lblMOG", "lblKonfMOGAkt", "lblKonfMOGNeu", "lblNDMog"},
           numberFormat::withSignPlace(p.MOG));
    if (e.Normzustand.size() > 2)
        v.setText(QStringLiteral("lblNorm"), e.Normzustand + QStringLiteral("  ") + e.Gasart);
    damping(p, v);
    setAll(v, {"lblSCHLEICH", "lblKonfSchleichAkt", "lblKonfSchleichNeu", "lblNDSchleichmenge"},
           numberFormat::fixed(p.Schleichmenge, 4));
}

}  // namespace

ShownChoices WerteAnzeigen(const MeterParameters& p, const Unit& e, Language s, DisplayModel& model,
                           Columns columns) {
    Out v(model, columns);
    ShownChoices c;
    try {
        v.setText(QStringLiteral("lblFNr"), p.Fertigungsnummer);
        v.setText(QStringLiteral("lblVersion"), p.Firmwareversion);
        analog(p, c, v);
        digital(p, e, c, v);
        errorAndOverflow(p, s, c, v);
        rangeValues(p, e, v);
    } catch (const std::exception& f) {
        v.failed(f);
    }
    c.failure = v.failure;
    return c;
}

void showOverflowState(const MeterParameters& p, Language s, DisplayModel& v) {
    const bool known = overflowKnown(p);
    const bool active = known && p.Ueberlauf == 1;
    for (const char* name : {"chkKonfAnalog_5", "lblKonfULAkt", "lblUeberlauf"})
        v.setVisible(QLatin1String(name), active);
    for (const char* name : {"AnzAnalog", "AnzSignal"})
        v.set(QLatin1String(name), Aspect::Maximum, active ? 110 : 100);
    if (s == Language::Unknown) return;
    if (known)
        overflowLabel(active, s, v);
    else
        v.setText(QStringLiteral("lblUeberlauf"), QString());
}

void showOverflowTexts(bool active, Language s, DisplayModel& model) {
    if (s == Language::Unknown) return;
    overflowLabel(active, s, model);
    Out v(model, Columns::CurrentAndNew);
    setAll(v, {"lblKonfULAkt", "lblKonfULNeu"}, infoTexts::overflowWord(s, active));
}
