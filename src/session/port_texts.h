#pragma once

#include <QString>

#include "config/language.h"

// The likely cause of a refused port: the user lacks the device's group.
QString missingGroup(Language s, const QString& meter, const QString& group);
// "Error in function Hardwaretest : " and the failure's description.
QString hardwareTestError(const QString& description);
