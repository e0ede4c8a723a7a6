#pragma once

#include <QString>

// A number box as the technician types into it: a digit or "." is kept, a ","
// becomes ".", anything else is dropped. Each character is taken as if it had
// been typed last, so a pasted "12,5" reads 12.5 as the typed one does.
struct NumericEntry {
    QString text;      // what the box shows afterwards
    double value = 0;  // its leading number, "." as separator ("1.2.3" is 1.2)

    bool empty() const { return text.isEmpty(); }
};

NumericEntry numericEntry(const QString& typed);

// The upper range limit box shows a decimal comma; its value is read with
// either separator, so "12.5" shows "12,5" and counts as 12.5.
NumericEntry rangeLimitEntry(QString typed);
