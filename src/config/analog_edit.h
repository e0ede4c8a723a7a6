#pragma once

#include <QtGlobal>
#include <array>

// What the technician has edited on the analog page and not yet written:
// which parameters are to be written, and their new values (flows in the
// selected unit). MOG and Ueberlauf are edited in the parameter record itself.
struct AnalogEdit {
    static constexpr int Options = 7;

    std::array<bool, Options> chkKonfAnalog{};
    float MEWNeu = 0;
    float SchleichmengeNeu = 0;
    qint32 FilterfaktorNeu = 0;
    int Daempfungszeit = 0;  // ms, while the damping slider is preset
    int ListAnalogAus = 0;   // 0 "0 - 20 mA", 1 "4 - 20 mA", 2 "0 - 5 V", 3 "0 - 10 V"
    int ListKonfErr = 0;     // output on error: 0 min, 1 max, 2 down, 3 up

    bool pending() const {
        for (bool ticked : chkKonfAnalog)
            if (ticked) return true;
        return false;
    }
};
