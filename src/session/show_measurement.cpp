#include "session/show_measurement.h"

#include <charconv>
#include <cmath>

#include "device/analogausgang.h"
#include "device/zahlen.h"
#include "device/zahlformat.h"

using namespace analogausgang;

namespace {

constexpr qint32 CountsVoll = 65535;
constexpr qint32 CountsGrenze = 65533;
constexpr int SchaltausgangGewaehlt = 0x40;

// The shortest fixed-point text of a single-precision value, with ".".
QString festText(float wert) {
    char puffer[64];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed);
    return QString::fromLatin1(puffer, int(r.ptr - puffer));
}

// A value over two adjacent labels: the leading digits in `vorn`, the rest in
// `hinten`, so that together they read as one number.
void zweiteilig(DisplayModel& v, const QString& vorn, const QString& hinten, float wert,
                int stellen100) {
    if (wert == 0) {
        v.setText(vorn, QString());
        v.setText(hinten, QStringLiteral("0"));
    } else if (wert < 10) {
        v.setText(vorn, QString());
        v.setText(hinten, zahlformat::fest(wert, 2));
    } else {
        const QString t = festText(wert);
        const int n = wert < 100 ? 1 : 2;
        v.setText(vorn, t.left(n));
        v.setText(hinten, zahlformat::fest(fuehrendeZahl(t.mid(n)), wert < 100 ? 2 : stellen100));
    }
}

int runde(double x) {
    return std::isfinite(x) ? int(std::lround(x)) : 0;
}

// The analog output at full scale, by the configured error behaviour; empty
// where the value stays as it is.
QString fehlerwert(Bereich b, int verhalten, bool ueberlauf) {
    const bool strom = istStrom(b);
    switch (verhalten) {
        case 0:
            return b == Bereich::I4_20 ? QStringLiteral("4") : QStringLiteral("0");
        case 1:
            if (b == Bereich::U0_5) return zahlformat::kurz(ueberlauf ? 5.5f : 5.0f);
            if (b == Bereich::U0_10) return ueberlauf ? QStringLiteral("11") : QStringLiteral("10");
            return ueberlauf ? QStringLiteral("22") : QStringLiteral("20");
        case 3:
            return strom ? QStringLiteral("> 22") : QString();
        case 2:
            return b == Bereich::I4_20 ? QStringLiteral("< ") + zahlformat::kurz(3.5f) : QString();
        default:
            return QString();
    }
}

double normalwert(Bereich b, float messwert, float mew) {
    if (!(mew > 0)) return 0;
    switch (b) {
        case Bereich::U0_5:
            return messwert * 5.0 / mew;
        case Bereich::U0_10:
            return messwert * 10.0 / mew;
        case Bereich::I0_20:
            return messwert * 20.0 / mew;
        case Bereich::I4_20:
            break;
    }
    return 4 + messwert * 16.0 / mew;
}

void analogwert(const LiveWerte& w, const Geraeteparameter& p, float skala, DisplayModel& v) {
    const Bereich b = bereich(p.Ausgangsart, p.Analogbereich);
    v.setText(QStringLiteral("lblinfo_50"), einheit(b));
    if (w.Unterspannung) {
        zweiteilig(v, QStringLiteral("lblANAOUT"), QStringLiteral("lblANAOUT1"), 0, 2);
        return;
    }
    const bool voll = w.Messwert >= skala;
    const QString fest =
        voll ? fehlerwert(b, fehlerverhalten(p.Analogbereich), p.UeberlaufAktiv == 1) : QString();
    v.setBackground(QStringLiteral("lblANAOUT"), voll ? color::Red : color::SystemTooltip);
    v.setBackground(QStringLiteral("lblANAOUT1"), voll ? color::Red : color::SystemTooltip);
    if (!fest.isEmpty()) {
        v.setText(QStringLiteral("lblANAOUT"), QString());
        v.setText(QStringLiteral("lblANAOUT1"), fest);
        return;
    }
    const double wert = normalwert(b, w.Messwert, p.MEW);
    zweiteilig(v, QStringLiteral("lblANAOUT"), QStringLiteral("lblANAOUT1"),
               wert > 0 ? float(wert) : 0.0f, 2);
}

void messwert(const LiveWerte& w, const Geraeteparameter& p, float skala, DisplayModel& v) {
    const QString vorn = QStringLiteral("lblAktMW"), hinten = QStringLiteral("lblAktMW1");
    zweiteilig(v, vorn, hinten, w.Messwert, 1);
    if (w.Messwert < skala) {
        v.setBackground(vorn, color::SystemTooltip);
        v.setBackground(hinten, color::SystemTooltip);
        v.setValue(QStringLiteral("AnzAnalog"),
                    runde(w.Messwert * (p.UeberlaufAktiv ? 110.0 : 100.0) / skala));
        return;
    }
    v.setBackground(vorn, color::Red);
    v.setValue(QStringLiteral("AnzAnalog"), 0);
    const Bereich b = bereich(p.Ausgangsart, p.Analogbereich);
    if (!fehlerwert(b, fehlerverhalten(p.Analogbereich), p.UeberlaufAktiv == 1).isEmpty()) {
        // The whole reading is "> full scale"; the second label would only confuse it.
        v.setText(vorn, QStringLiteral(">") + zahlformat::mitVorzeichenstelle(skala));
        v.setText(hinten, QString());
    }
}

}  // namespace

void MesswertAnzeigen(quint8 high, quint8 low, LiveWerte& w, const Geraeteparameter& p,
                      DisplayModel& v) {
    w.Counts = high * 256 + low;
    if (w.Counts >= CountsGrenze) w.Counts = CountsVoll;
    w.CountsMin = qMin(w.CountsMin, w.Counts);
    w.CountsMax = qMax(w.CountsMax, w.Counts);
    if (w.CountsanfAktiv) {
        v.setText(QStringLiteral("lblCountsanf"), QString::number(w.Counts));
        return;
    }
    const float skala = p.UeberlaufAktiv ? p.MEW + p.MEW * 10 / 100 : p.MEW;
    w.Messwert = float(rundeGerade(double(skala) * w.Counts / CountsVoll, 4));
    messwert(w, p, skala, v);
    if ((p.Ausgangsart & 0xFC) == SchaltausgangGewaehlt && p.MEW > 0)
        v.setValue(QStringLiteral("AnzSignal"), runde(w.Messwert * 100.0 / p.MEW));
    analogwert(w, p, skala, v);
}
