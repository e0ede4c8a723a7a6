#include "device/numbers.h"
#include "session/session.h"
#include "session/unit_messages.h"

namespace {

constexpr double PauseBeforeReread = 0.5;
constexpr int MaxFieldLength = 30;

}  // namespace

void Session::openUnitTask(Task t) {
    if (t == Task::UnitAdd) {
        edit.newUnit = Unit{QString(), 0.0, QString(), QString()};
        for (const char* box :
             {"txtEinheitName", "TxtEinheitFaktor", "txtNormzustand", "txtGasart"})
            display.put(QLatin1String(box), Aspect::Text, QString());
    }
    openTask(t);
    if (t == Task::UnitAdd) focus(QStringLiteral("txtEinheitName"));
}

// The values of every device field follow the new unit: the meter is read
// again when the port is open; when that fails, the unit stays as it was.
void Session::selectUnit(int position) {
    if (busy() || position < 0 || position >= units.entries.size()) return;
    Operation operation(*this);
    setCountsTimer(false);
    const Unit before = settings.unit;
    settings.unit = units.entries[position];
    writeSettings();
    EinheitenAnzeigen();
    state.task = Task::None;
    if (!port_.portOpen()) {
        state.currentShown = false;
        refreshControls();
        return;
    }
    refreshControls();
    link_.Warten(PauseBeforeReread);
    if (!EEPromLesen()) {
        // The values on screen are still in the unit they were read in.
        settings.unit = before;
        writeSettings();
        EinheitenAnzeigen();
        return;
    }
    decodeAndShow();
    state.currentShown = true;
    refreshControls();
    setCountsTimer(true);
}

QString Session::unitFieldChanged(UnitField field, const QString& text) {
    Unit& u = edit.newUnit;
    if (field == UnitField::Factor) {
        const QChar last = text.isEmpty() ? QChar() : text.back();
        if (last.isDigit() || last == QLatin1Char('.')) {
            u.Umrechnungsfaktor = leadingNumber(text);
            return text;
        }
        return text.left(text.size() - 1);  // anything else, a comma too, is dropped
    }
    const QString cut = text.left(MaxFieldLength);
    (field == UnitField::Name        ? u.Einheit
     : field == UnitField::Condition ? u.Normzustand
                                     : u.Gasart) = cut;
    return cut;
}

void Session::storeUnit() {
    Unit u = edit.newUnit;
    if (!(u.Umrechnungsfaktor > 0)) {
        message(texts[textNo::UnitFactorInvalid], texts[textNo::TitleUnitFactor], Buttons::Ok,
                Symbol::Critical);
        focus(QStringLiteral("TxtEinheitFaktor"));
        return;
    }
    if (!fieldUsable(u.Einheit) || !fieldUsable(u.Normzustand) || !fieldUsable(u.Gasart)) {
        message(unitMessages::fieldRefused(language), unitMessages::title(language), Buttons::Ok,
                Symbol::Critical);
        return;
    }
    if (units.entries.size() >= Einheitentabelle::Max) {
        message(unitMessages::tableFull(language, Einheitentabelle::Max),
                unitMessages::title(language), Buttons::Ok, Symbol::Information);
        return;
    }
    u.Normzustand = QStringLiteral("(") + u.Normzustand + QStringLiteral(")");
    QString error;
    if (!writeUnits(file(QLatin1String(Einheitentabelle::FileName)),
                    units.entries + QVector<Unit>{u}, error)) {
        message(unitMessages::fileNotWritten(language, error), unitMessages::title(language),
                Buttons::Ok, Symbol::Critical);
        return;
    }
    units.entries.append(u);
    showUnitLists(display.get(QStringLiteral("ListeEinheiten"), Aspect::Items).toStringList()
                  << addedListText(u));
    closeTask();
}

void Session::deleteUnit(int position) {
    if (position < 0 || position >= units.entries.size()) return;
    if (position < Einheitentabelle::BuiltIn) {
        message(texts[textNo::UnitBuiltIn], texts[textNo::TitleUnitBuiltIn], Buttons::Ok,
                Symbol::Information);
        return;
    }
    QVector<Unit> kept = units.entries;
    kept.remove(position);
    QString error;
    if (!writeUnits(file(QLatin1String(Einheitentabelle::FileName)), kept, error)) {
        message(unitMessages::fileNotWritten(language, error), unitMessages::title(language),
                Buttons::Ok, Symbol::Critical);
        return;
    }
    loadUnits(
        file(QLatin1String(Einheitentabelle::FileName)));  // a deleted unit stays the one selected
    closeTask();
}
