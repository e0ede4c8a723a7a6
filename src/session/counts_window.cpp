#include "device/numbers.h"
#include "session/session.h"

namespace {

constexpr int MaxReadings = 1000;
const char* const InputTitle = "Eingabe Mittelwerte";

}  // namespace

void Session::openCountsWindow() {
    state.countsWindowShown = true;
    refreshControls();
}

// Ticking asks the poll for raw counts instead of the measured value;
// averaging waits for a number of readings typed afresh. Unticking ends a
// run, whose readings would no longer be counts.
void Session::requestCounts(bool on) {
    live.CountsRequestActive = on;
    live.readingsGiven = false;
    display.put(QStringLiteral("frmCounts.chkCountsanf"), Aspect::Value, on);
    if (on) {
        setCountsTimer(state.PortOk);
        focus(QStringLiteral("frmCounts.txtMittelwerte"));
    } else {
        display.setText(QStringLiteral("frmCounts.lblCountsanf"), QString());
        startAveraging(false);
    }
    refreshControls();
}

// The number of readings to average, as typed; what the box should show is returned.
QString Session::readingsTyped(const QString& text) {
    const QString box = QStringLiteral("frmCounts.txtMittelwerte");
    display.put(box, Aspect::Text, text);
    if (text.isEmpty()) {
        live.MwAnzahl = 0;
        live.readingsGiven = false;
    } else if (!text.back().isDigit() || text.back() > QLatin1Char('9')) {
        message(QStringLiteral("Nur Zahlen von 0 - 9 !"), QString::fromUtf8(InputTitle),
                Buttons::Ok, Symbol::Information);
    } else {
        live.MwAnzahl = int(qMin<double>(roundHalfEven(leadingNumber(text), 0), MaxReadings + 1));
        if (live.MwAnzahl > MaxReadings) {
            live.MwAnzahl = MaxReadings;
            message(QStringLiteral("Anzahl Werte nicht > 1000 !"), QString::fromUtf8(InputTitle),
                    Buttons::Ok, Symbol::Information);
        } else {
            live.readingsGiven = true;
        }
    }
    refreshControls();
    return display.text(box);
}

// Unticking ends a run; its readings so far are dropped.
void Session::startAveraging(bool on) {
    const QString tick = QStringLiteral("frmCounts.chkMittelwert");
    if (!on) {
        live.averaging = false;
        display.put(tick, Aspect::Value, false);
        return refreshControls();
    }
    if (!live.CountsRequestActive) {
        message(QStringLiteral("Zunächst muß die Counts Anforderung aktiviert werden !"),
                QStringLiteral("Fehler vor Mittelwertbildung"), Buttons::Ok, Symbol::Information);
        display.put(tick, Aspect::Value, false);
        return;
    }
    if (live.MwAnzahl < 2) {
        message(QStringLiteral("Wert muss > 1 sein !"), QString::fromUtf8(InputTitle), Buttons::Ok,
                Symbol::Information);
        display.put(tick, Aspect::Value, false);
        focus(QStringLiteral("frmCounts.txtMittelwerte"));
        return;
    }
    live.CountsMin = live.CountsMax = live.Counts;
    live.MwZaehler = 0;
    live.MwSumme = 0;
    live.averaging = true;
    display.put(tick, Aspect::Value, true);
    display.set(QStringLiteral("frmCounts.AnzeigeAnzW"), Aspect::Maximum, live.MwAnzahl);
    display.setValue(QStringLiteral("frmCounts.AnzeigeAnzW"), 0);
    display.setText(QStringLiteral("frmCounts.lblMittelwert"), QString());
}

// Closing ends a run and returns the poll to the measured value; the
// results of the last complete run stay.
void Session::closeCountsWindow() {
    readingsTyped(QStringLiteral("0"));
    requestCounts(false);
    state.countsWindowShown = false;
    refreshControls();
}
