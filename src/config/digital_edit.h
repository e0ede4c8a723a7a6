#pragma once

#include <QString>

// What the technician has edited on the digital page and not yet written.
// The output's own fields (band, pulse value and duration, thresholds) are
// edited in the parameter record itself.
struct DigitalEdit {
    // The digital output kinds, as the option buttons number them.
    enum Kind { StandardFrequency, VariableFrequency, Pulse, Switch, NoOutput };

    int optDigital = -1;         // the output kind chosen, -1 while none is
    int ListFrequenz = 0;        // standard frequency range: 0 "1 - 100" Hz, 1 "10 - 1000" Hz
    QString SchaltPolaritaet;    // the switch output's polarity, "Plus" or "Minus", once chosen
    float Impulswertigkeit = 0;  // amount per pulse in the unit's own time base
    QString Zeitbasis;           // the unit's time base the pulse editor found

    bool pending() const { return optDigital >= 0; }
};
