#pragma once

#include <QString>

#include "config/units_file.h"
#include "features/unit_messages.h"
#include "session/session.h"

// The units frames: choosing the unit shown, and adding a unit to or deleting
// one from UNIT.CON, which keeps every line it was not asked to change.
class Units {
public:
    explicit Units(Session& core);

    void openUnitTask(Task t);
    void selectUnit(int position);
    // The add frame's boxes as typed; the text the box should show is returned.
    QString unitFieldChanged(UnitField field, const QString& text);
    void storeUnit();
    void deleteUnit(int position);

private:
    QString unitsPath() const;
    bool unitsFileEdited(unitsFile::Result r, const QString& error);

    Session& core_;
    Unit newUnit_{QString(), 0.0, QString(), QString()};  // being entered in the add frame
};
