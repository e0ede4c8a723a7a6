#pragma once

#include <QString>

#include "config/language.h"

// The likely cause of a refused port: the user lacks the device's group.
QString fehlendeGruppe(Sprache s, const QString& geraet, const QString& gruppe);
// "Error in function Hardwaretest : " and the failure's description.
QString hardwaretestFehler(const QString& beschreibung);
