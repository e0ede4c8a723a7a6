#include "session/show_measurement.h"

#include <cmath>

#include "device/analog_output.h"
#include "device/number_format.h"
#include "device/numbers.h"

using namespace analogOutput;

namespace {

constexpr qint32 CountsFull = 65535;
constexpr qint32 CountsLimit = 65533;
constexpr int SwitchOutputChosen = 0x40;

// A value over two adjacent labels that together read as the value: it is
// formatted whole first ("0.00", from 100 up with `places100` decimals) and
// then split after its leading digits, one from 10 up and two from 100 up, so
// a rounding carry or a zero after them stays in the number.
void splitOverTwo(DisplayModel& v, const QString& lead, const QString& tail, float value,
                  int places100) {
    if (value == 0) {
        v.setText(lead, QString());
        v.setText(tail, QStringLiteral("0"));
        return;
    }
    const QString text = numberFormat::fixed(value, value < 100 ? 2 : places100);
    const int n = value < 10 ? 0 : value < 100 ? 1 : 2;
    v.setText(lead, text.left(n));
    v.setText(tail, text.mid(n));
}

int roundToInt(double x) {
    return std::isfinite(x) ? int(std::lround(x)) : 0;
}

// The analog output at full scale, by the configured error behaviour; empty
// where the value stays as it is.
QString errorValue(Range b, int behavior, bool overflow) {
    const bool current = isCurrent(b);
    switch (behavior) {
        case 0:
            return b == Range::I4_20 ? QStringLiteral("4") : QStringLiteral("0");
        case 1:
            if (b == Range::U0_5) return numberFormat::shortest(overflow ? 5.5f : 5.0f);
            if (b == Range::U0_10) return overflow ? QStringLiteral("11") : QStringLiteral("10");
            return overflow ? QStringLiteral("22") : QStringLiteral("20");
        case 3:
            return current ? QStringLiteral("> 22") : QString();
        case 2:
            return b == Range::I4_20 ? QStringLiteral("< ") + numberFormat::shortest(3.5f)
                                     : QString();
        default:
            return QString();
    }
}

double normalValue(Range b, float measuredValue, float mew) {
    if (!(mew > 0)) return 0;
    switch (b) {
        case Range::U0_5:
            return measuredValue * 5.0 / mew;
        case Range::U0_10:
            return measuredValue * 10.0 / mew;
        case Range::I0_20:
            return measuredValue * 20.0 / mew;
        case Range::I4_20:
            break;
    }
    return 4 + measuredValue * 16.0 / mew;
}

void analogValue(const LiveValues& w, const MeterParameters& p, float scale, DisplayModel& v) {
    const Range b = range(p.Ausgangsart, p.Analogbereich);
    v.setText(QStringLiteral("lblinfo_50"), unit(b));
    if (w.Unterspannung) {
        splitOverTwo(v, QStringLiteral("lblANAOUT"), QStringLiteral("lblANAOUT1"), 0, 2);
        return;
    }
    const bool full = w.Messwert >= scale;
    const QString fixed =
        full ? errorValue(b, errorBehavior(p.Analogbereich), p.UeberlaufAktiv == 1) : QString();
    v.setBackground(QStringLiteral("lblANAOUT"), full ? color::Red : color::SystemTooltip);
    v.setBackground(QStringLiteral("lblANAOUT1"), full ? color::Red : color::SystemTooltip);
    if (!fixed.isEmpty()) {
        v.setText(QStringLiteral("lblANAOUT"), QString());
        v.setText(QStringLiteral("lblANAOUT1"), fixed);
        return;
    }
    const double value = normalValue(b, w.Messwert, p.MEW);
    splitOverTwo(v, QStringLiteral("lblANAOUT"), QStringLiteral("lblANAOUT1"),
                 value > 0 ? float(value) : 0.0f, 2);
}

void measuredValue(const LiveValues& w, const MeterParameters& p, float scale, DisplayModel& v) {
    const QString lead = QStringLiteral("lblAktMW"), tail = QStringLiteral("lblAktMW1");
    splitOverTwo(v, lead, tail, w.Messwert, 1);
    if (w.Messwert < scale) {
        v.setBackground(lead, color::SystemTooltip);
        v.setBackground(tail, color::SystemTooltip);
        v.setValue(QStringLiteral("AnzAnalog"),
                   roundToInt(w.Messwert * (p.UeberlaufAktiv ? 110.0 : 100.0) / scale));
        return;
    }
    v.setBackground(lead, color::Red);
    v.setValue(QStringLiteral("AnzAnalog"), 0);
    const Range b = range(p.Ausgangsart, p.Analogbereich);
    if (!errorValue(b, errorBehavior(p.Analogbereich), p.UeberlaufAktiv == 1).isEmpty()) {
        // The whole reading is "> full scale"; the second label would only confuse it.
        v.setText(lead, QStringLiteral(">") + numberFormat::withSignPlace(scale));
        v.setText(tail, QString());
    }
}

// One reading of an averaging run; the reading after the last one summed
// ends the run and shows its results.
void averagingReading(LiveValues& w, DisplayModel& v) {
    if (++w.MwZaehler <= w.MwAnzahl) {
        w.MwSumme += w.Counts;
        v.setValue(QStringLiteral("frmCounts.AnzeigeAnzW"), w.MwZaehler);
        return;
    }
    w.MwWert = qint32(roundHalfEven(double(w.MwSumme) / w.MwAnzahl, 0));
    v.setText(QStringLiteral("frmCounts.lblMittelwert"), QString::number(w.MwWert));
    v.setText(QStringLiteral("frmCounts.lblMinWert"), QString::number(w.CountsMin));
    v.setText(QStringLiteral("frmCounts.lblMinwertDiff"), QString::number(w.CountsMin - w.MwWert));
    v.setText(QStringLiteral("frmCounts.lblMaxWert"), QString::number(w.CountsMax));
    v.setText(QStringLiteral("frmCounts.lblMaxwertDiff"), QString::number(w.CountsMax - w.MwWert));
    w.averaging = false;
    v.put(QStringLiteral("frmCounts.chkMittelwert"), Aspect::Value, false);
}

}  // namespace

void MesswertAnzeigen(quint8 high, quint8 low, LiveValues& w, const MeterParameters& p,
                      DisplayModel& v) {
    w.Counts = high * 256 + low;
    if (w.Counts >= CountsLimit) w.Counts = CountsFull;
    w.CountsMin = qMin(w.CountsMin, w.Counts);
    w.CountsMax = qMax(w.CountsMax, w.Counts);
    if (w.averaging) averagingReading(w, v);
    if (w.CountsRequestActive) {
        v.setText(QStringLiteral("frmCounts.lblCountsanf"), QString::number(w.Counts));
        return;
    }
    const float scale = p.UeberlaufAktiv ? p.MEW + p.MEW * 10 / 100 : p.MEW;
    w.Messwert = float(roundHalfEven(double(scale) * w.Counts / CountsFull, 4));
    measuredValue(w, p, scale, v);
    if ((p.Ausgangsart & 0xFC) == SwitchOutputChosen && p.MEW > 0)
        v.setValue(QStringLiteral("AnzSignal"), roundToInt(w.Messwert * 100.0 / p.MEW));
    analogValue(w, p, scale, v);
}

void showPaused(const QString& mark, DisplayModel& v) {
    for (const char* lead : {"lblAktMW", "lblANAOUT"}) {
        const QString tail = QLatin1String(lead) + QLatin1Char('1');
        v.setText(QLatin1String(lead), QString());
        v.setText(tail, mark);
        v.setBackground(QLatin1String(lead), color::SystemTooltip);
        v.setBackground(tail, color::SystemTooltip);
    }
}
