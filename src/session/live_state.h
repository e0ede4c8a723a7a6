#pragma once

#include <QtGlobal>

// The live values of the polling cycle.
struct LiveValues {
    qint32 Counts = 0;   // last counts value, 0 to 65535
    float Messwert = 0;  // last measured air mass, kg/h, 4 decimals
    int Zyklus = 0;      // counts-poll cycle, 0 to 4
    bool Unterspannung = false;
    qint32 CountsMin = 65535;
    qint32 CountsMax = 0;
    bool CountsRequestActive = false;  // the counts window asks for raw counts
    int shortReplies = 0;              // short counts replies in a row
    // The counts window's averaging run.
    int MwAnzahl = 0;        // readings to average, 0 to 1000
    int MwZaehler = 0;       // readings taken in the run
    qint32 MwSumme = 0;      // their sum
    qint32 MwWert = 0;       // mean of the last completed run
    bool averaging = false;  // a run is going on (chkMittelwert ticked)
    // A number of readings to average was typed since counts were requested.
    bool readingsGiven = false;
};
