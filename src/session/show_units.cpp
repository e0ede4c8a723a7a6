#include "session/show_units.h"

#include "config/time_base.h"

void EinheitenAnzeigen(const Unit& e, DisplayModel& v) {
    for (const char* name :
         {"lblinfo_15", "lblinfo_28", "lblinfo_94", "lblinfo_41", "lblinfo_42", "lblinfo_43",
          "lblinfo_44", "lblinfo_45", "lblinfo_47", "lblinfo_48", "lblinfo_49", "frmND.lblinfo_20",
          "frmND.lblinfo_21", "frmND.lblinfo_22", "frmND.lblinfo_23", "frmND.lblinfo_24"})
        v.setText(QLatin1String(name), e.Einheit);
    for (const char* name : {"lblinfo_39", "lblinfo_46", "frmND.lblinfo_17"})
        v.setText(QLatin1String(name), timeBase::pulseUnit(e.Einheit));
}
