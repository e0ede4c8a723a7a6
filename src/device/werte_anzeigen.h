#pragma once

#include "config/bearbeitung.h"
#include "config/masseinheit.h"
#include "device/geraeteparameter.h"
#include "ui/oberflaeche.h"

// Shows the decoded configuration: the summary page, the current and new
// values of the configuration pages, the list selections, the frames of the
// active digital output, and the device data window. A failure ends it with
// a message; labels set before keep their new texts.
void WerteAnzeigen(const Geraeteparameter& p, const Masseinheit& e, Bearbeitung& b,
                   const Oberflaeche& ui);

// The filter time constant in ms that a filter coefficient gives.
double filterzeit(qint32 filterfaktor);
