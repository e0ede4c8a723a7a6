#pragma once

#include <QString>
#include <QVector>

#include "config/language.h"

// The captions of every control of the main window and of the device data
// window in the three languages. A name is the control's objectName, with
// "_i" for element i of a control array, "#i" for entry i of a list and
// "regkor2_i" for the title of tab i.
struct Caption {
    const char* window;  // "frmkor2" or "frmND"
    const char* name;
    const char* de;
    const char* en;
    const char* fr;

    QString text(Language s) const;
};

const QVector<Caption>& captions();
