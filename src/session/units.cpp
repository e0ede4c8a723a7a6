#include <cmath>

#include "config/units_file.h"
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

// The factor box keeps digits and one period, so the factor held is always
// the number it shows (0 while it shows none).
QString Session::unitFieldChanged(UnitField field, const QString& text) {
    Unit& u = edit.newUnit;
    if (field == UnitField::Factor) {
        QString shown;
        for (const QChar c : text)
            if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                (c == QLatin1Char('.') && !shown.contains(c)))
                shown += c;  // anything else, a comma too, is dropped
        bool number = false;
        const double factor = shown.toDouble(&number);
        u.Umrechnungsfaktor = number && std::isfinite(factor) ? factor : 0.0;
        return shown;
    }
    const QString cut = text.left(MaxFieldLength);
    (field == UnitField::Name        ? u.Einheit
     : field == UnitField::Condition ? u.Normzustand
                                     : u.Gasart) = cut;
    return cut;
}

// The file reads its fields without the blanks around them, and so does the table.
void Session::storeUnit() {
    Unit u = edit.newUnit;
    if (!(u.Umrechnungsfaktor > 0)) {
        message(texts[textNo::UnitFactorInvalid], texts[textNo::TitleUnitFactor], Buttons::Ok,
                Symbol::Critical);
        focus(QStringLiteral("TxtEinheitFaktor"));
        return;
    }
    const std::pair<UnitField, QString*> fields[] = {{UnitField::Name, &u.Einheit},
                                                     {UnitField::Condition, &u.Normzustand},
                                                     {UnitField::Gas, &u.Gasart}};
    for (const auto& [field, text] : fields) {
        *text = text->trimmed();
        const auto fault = unitsFile::fieldFault(*text, field == UnitField::Name);
        if (fault != unitsFile::FieldFault::None) {
            message(unitMessages::fieldRefused(language, field, *text, fault),
                    unitMessages::title(language), Buttons::Ok, Symbol::Critical);
            return;
        }
    }
    if (units.entries.size() >= Einheitentabelle::Max) {
        message(unitMessages::tableFull(language, Einheitentabelle::Max),
                unitMessages::title(language), Buttons::Ok, Symbol::Information);
        return;
    }
    u.Normzustand = QStringLiteral("(") + u.Normzustand + QStringLiteral(")");
    QString error;
    if (!unitsFileEdited(unitsFile::add(unitsPath(), units.entries, u, error), error)) return;
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
    QString error;
    if (!unitsFileEdited(unitsFile::remove(unitsPath(), units.entries, position, error), error))
        return;
    loadUnits(unitsPath());  // a deleted unit stays the one selected
    closeTask();
}

QString Session::unitsPath() const {
    return file(QLatin1String(Einheitentabelle::FileName));
}

// A file changed behind the table is read again, so the lists show what an edit would change.
bool Session::unitsFileEdited(unitsFile::Result r, const QString& error) {
    if (r == unitsFile::Result::Done) return true;
    const bool changed = r == unitsFile::Result::Changed;
    message(changed                             ? unitMessages::fileChanged(language)
            : r == unitsFile::Result::Entangled ? unitMessages::fileEntangled(language)
                                                : unitMessages::fileNotWritten(language, error),
            unitMessages::title(language), Buttons::Ok, Symbol::Critical);
    if (changed) loadUnits(unitsPath());
    return false;
}
