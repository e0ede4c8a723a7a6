#pragma once

#include "config/bearbeitung.h"
#include "device/masseinheit.h"
#include "device/geraeteparameter.h"
#include "config/language.h"
#include "session/display_model.h"

// Shows the decoded configuration: the summary page, the current and new
// values of the configuration pages, the list selections, the frames of the
// active digital output, and the device data window. A failure ends it with
// the description of the failure; labels set before keep their new texts.
QString WerteAnzeigen(const Geraeteparameter& p, const Masseinheit& e, Bearbeitung& b, Sprache s,
                      DisplayModel& v);

// The overflow controls and the gauges' full scale, which follow the
// overflow state of firmware that knows it.
void UeberlaufAnzeigen(const Geraeteparameter& p, Sprache s, DisplayModel& v);
// The words of the overflow state in the configuration's labels.
void UeberlaufTexte(bool aktiv, Sprache s, DisplayModel& v);

// The filter time constant in ms that a filter coefficient gives.
double filterzeit(qint32 filterfaktor);
