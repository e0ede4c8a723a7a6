#include <cmath>

#include "config/units_file.h"
#include "features/unit_messages.h"
#include "features/units.h"
#include "session/operation.h"

namespace {

constexpr double PauseBeforeReread = 0.5;
constexpr int MaxFieldLength = 30;

}  // namespace

Units::Units(Session& core) : core_(core) {}

void Units::openUnitTask(Task t) {
    if (t == Task::UnitAdd) {
        newUnit_ = Unit{QString(), 0.0, QString(), QString()};
        for (const char* box :
             {"txtEinheitName", "TxtEinheitFaktor", "txtNormzustand", "txtGasart"})
            core_.display.put(QLatin1String(box), Aspect::Text, QString());
    }
    core_.openTask(t);
    if (t == Task::UnitAdd) core_.focus(QStringLiteral("txtEinheitName"));
}

// The values of every device field follow the new unit: the meter is read
// again when the port is open; when that fails, the unit stays as it was.
void Units::selectUnit(int position) {
    if (core_.busy() || position < 0 || position >= core_.units.entries.size()) return;
    Operation operation(core_);
    core_.setCountsTimer(false);
    const Unit before = core_.settings.unit;
    core_.settings.unit = core_.units.entries[position];
    core_.writeSettings();
    core_.EinheitenAnzeigen();
    core_.state.task = Task::None;
    if (!core_.port().portOpen()) {
        core_.state.currentShown = false;
        core_.refreshControls();
        return;
    }
    core_.refreshControls();
    core_.link().Warten(PauseBeforeReread);
    if (!core_.EEPromLesen()) {
        // The values on screen are still in the unit they were read in.
        core_.settings.unit = before;
        core_.writeSettings();
        core_.EinheitenAnzeigen();
        return;
    }
    core_.decodeAndShow();
    core_.state.currentShown = true;
    core_.refreshControls();
    core_.setCountsTimer(true);
}

// The factor box keeps digits and one period, so the factor held is always
// the number it shows (0 while it shows none).
QString Units::unitFieldChanged(UnitField field, const QString& text) {
    Unit& u = newUnit_;
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
void Units::storeUnit() {
    Unit u = newUnit_;
    if (!(u.Umrechnungsfaktor > 0)) {
        core_.message(core_.texts[textNo::UnitFactorInvalid], core_.texts[textNo::TitleUnitFactor],
                      Buttons::Ok, Symbol::Critical);
        core_.focus(QStringLiteral("TxtEinheitFaktor"));
        return;
    }
    const std::pair<UnitField, QString*> fields[] = {{UnitField::Name, &u.Einheit},
                                                     {UnitField::Condition, &u.Normzustand},
                                                     {UnitField::Gas, &u.Gasart}};
    for (const auto& [field, text] : fields) {
        *text = text->trimmed();
        const auto fault = unitsFile::fieldFault(*text, field == UnitField::Name);
        if (fault != unitsFile::FieldFault::None) {
            core_.message(unitMessages::fieldRefused(core_.language, field, *text, fault),
                          unitMessages::title(core_.language), Buttons::Ok, Symbol::Critical);
            return;
        }
    }
    if (core_.units.entries.size() >= Einheitentabelle::Max) {
        core_.message(unitMessages::tableFull(core_.language, Einheitentabelle::Max),
                      unitMessages::title(core_.language), Buttons::Ok, Symbol::Information);
        return;
    }
    u.Normzustand = QStringLiteral("(") + u.Normzustand + QStringLiteral(")");
    QString error;
    if (!unitsFileEdited(unitsFile::add(unitsPath(), core_.units.entries, u, error), error)) return;
    core_.units.entries.append(u);
    core_.showUnitLists(
        core_.display.get(QStringLiteral("ListeEinheiten"), Aspect::Items).toStringList()
        << addedListText(u));
    core_.closeTask();
}

void Units::deleteUnit(int position) {
    if (position < 0 || position >= core_.units.entries.size()) return;
    if (position < Einheitentabelle::BuiltIn) {
        core_.message(core_.texts[textNo::UnitBuiltIn], core_.texts[textNo::TitleUnitBuiltIn],
                      Buttons::Ok, Symbol::Information);
        return;
    }
    QString error;
    if (!unitsFileEdited(unitsFile::remove(unitsPath(), core_.units.entries, position, error),
                         error))
        return;
    core_.loadUnits(unitsPath());  // a deleted unit stays the one selected
    core_.closeTask();
}

QString Units::unitsPath() const {
    return core_.file(QLatin1String(Einheitentabelle::FileName));
}

// A file changed behind the table is read again, so the lists show what an edit would change.
bool Units::unitsFileEdited(unitsFile::Result r, const QString& error) {
    if (r == unitsFile::Result::Done) return true;
    const bool changed = r == unitsFile::Result::Changed;
    core_.message(changed ? unitMessages::fileChanged(core_.language)
                  : r == unitsFile::Result::Entangled
                      ? unitMessages::fileEntangled(core_.language)
                      : unitMessages::fileNotWritten(core_.language, error),
                  unitMessages::title(core_.language), Buttons::Ok, Symbol::Critical);
    if (changed) core_.loadUnits(unitsPath());
    return false;
}
