#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

#include "device/unit.h"

// What the technician has edited and not yet written: the editors of the
// analog, digital and support-point pages fill it and the writes read it.
// Parameters edited in place (MOG, Ueberlauf, the digital output's fields)
// live in the parameter record itself.
struct EditState {
    static constexpr int AnalogOptions = 7;
    // The digital output kinds, as the option buttons number them.
    enum Digital { StandardFrequency, VariableFrequency, Pulse, Switch, NoOutput };

    int Listensperre = 0;        // the list handlers do nothing while it is set
    float Impulswertigkeit = 0;  // amount per pulse in the unit's own time base
    QString Zeitbasis;           // the unit's time base the pulse editor found

    // Analog page: which parameters are to be written, and their new values
    // (flows in the selected unit).
    std::array<bool, AnalogOptions> chkKonfAnalog{};
    float MEWNeu = 0;
    float SchleichmengeNeu = 0;
    qint32 FilterfaktorNeu = 0;
    int Daempfungszeit = 0;  // ms, while the damping slider is preset
    int ListAnalogAus = 0;   // 0 "0 - 20 mA", 1 "4 - 20 mA", 2 "0 - 5 V", 3 "0 - 10 V"
    int ListKonfErr = 0;     // output on error: 0 min, 1 max, 2 down, 3 up
    int ListFrequenz = 0;    // standard frequency range: 0 "1 - 100" Hz, 1 "10 - 1000" Hz
    // Digital page: the output kind chosen, -1 while none is, and the switch
    // output's polarity ("Plus" or "Minus") once it was chosen.
    int optDigital = -1;
    QString SchaltPolaritaet;
    // Support-point page: the current point, and whether an inserted point
    // still waits for its values.
    int StpPunkt = 1;
    bool StpNeu = false;
    // The unit being entered in the add frame.
    Unit newUnit{QString(), 0.0, QString(), QString()};

    // Something waits to be written to the meter.
    bool pending() const {
        for (bool ticked : chkKonfAnalog)
            if (ticked) return true;
        return optDigital >= 0;
    }
};
