#include "features/counts_window.h"
#include "device/numbers.h"

namespace {

constexpr int MaxReadings = 1000;
const char* const InputTitle = "Eingabe Mittelwerte";

}  // namespace

CountsWindow::CountsWindow(Session& core) : core_(core) {
    core.events.addControls([this](ControlInputs& in) { in.countsWindowShown = shown_; });
}

void CountsWindow::openCountsWindow() {
    shown_ = true;
    core_.refreshControls();
}

// Ticking asks the poll for raw counts instead of the measured value;
// averaging waits for a number of readings typed afresh. Unticking ends a
// run, whose readings would no longer be counts.
void CountsWindow::requestCounts(bool on) {
    core_.live.CountsRequestActive = on;
    core_.live.readingsGiven = false;
    core_.display.put(QStringLiteral("frmCounts.chkCountsanf"), Aspect::Value, on);
    if (on) {
        core_.setCountsTimer(core_.state.PortOk);
        core_.focus(QStringLiteral("frmCounts.txtMittelwerte"));
    } else {
        core_.display.setText(QStringLiteral("frmCounts.lblCountsanf"), QString());
        startAveraging(false);
    }
    core_.refreshControls();
}

// The number of readings to average, as typed; what the box should show is returned.
QString CountsWindow::readingsTyped(const QString& text) {
    const QString box = QStringLiteral("frmCounts.txtMittelwerte");
    core_.display.put(box, Aspect::Text, text);
    if (text.isEmpty()) {
        core_.live.MwAnzahl = 0;
        core_.live.readingsGiven = false;
    } else if (!text.back().isDigit() || text.back() > QLatin1Char('9')) {
        core_.message(QStringLiteral("Nur Zahlen von 0 - 9 !"), QString::fromUtf8(InputTitle),
                      Buttons::Ok, Symbol::Information);
    } else {
        core_.live.MwAnzahl =
            int(qMin<double>(roundHalfEven(leadingNumber(text), 0), MaxReadings + 1));
        if (core_.live.MwAnzahl > MaxReadings) {
            core_.live.MwAnzahl = MaxReadings;
            core_.message(QStringLiteral("Anzahl Werte nicht > 1000 !"),
                          QString::fromUtf8(InputTitle), Buttons::Ok, Symbol::Information);
        } else {
            core_.live.readingsGiven = true;
        }
    }
    core_.refreshControls();
    return core_.display.text(box);
}

// Unticking ends a run; its readings so far are dropped.
void CountsWindow::startAveraging(bool on) {
    const QString tick = QStringLiteral("frmCounts.chkMittelwert");
    if (!on) {
        core_.live.averaging = false;
        core_.display.put(tick, Aspect::Value, false);
        return core_.refreshControls();
    }
    if (!core_.live.CountsRequestActive) {
        core_.message(QStringLiteral("Zunächst muß die Counts Anforderung aktiviert werden !"),
                      QStringLiteral("Fehler vor Mittelwertbildung"), Buttons::Ok,
                      Symbol::Information);
        core_.display.put(tick, Aspect::Value, false);
        return;
    }
    if (core_.live.MwAnzahl < 2) {
        core_.message(QStringLiteral("Wert muss > 1 sein !"), QString::fromUtf8(InputTitle),
                      Buttons::Ok, Symbol::Information);
        core_.display.put(tick, Aspect::Value, false);
        core_.focus(QStringLiteral("frmCounts.txtMittelwerte"));
        return;
    }
    core_.live.CountsMin = core_.live.CountsMax = core_.live.Counts;
    core_.live.MwZaehler = 0;
    core_.live.MwSumme = 0;
    core_.live.averaging = true;
    core_.display.put(tick, Aspect::Value, true);
    core_.display.set(QStringLiteral("frmCounts.AnzeigeAnzW"), Aspect::Maximum,
                      core_.live.MwAnzahl);
    core_.display.setValue(QStringLiteral("frmCounts.AnzeigeAnzW"), 0);
    core_.display.setText(QStringLiteral("frmCounts.lblMittelwert"), QString());
}

// Closing ends a run and returns the poll to the measured value; the
// results of the last complete run stay.
void CountsWindow::closeCountsWindow() {
    readingsTyped(QStringLiteral("0"));
    requestCounts(false);
    shown_ = false;
    core_.refreshControls();
}
