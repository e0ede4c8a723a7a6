#pragma once

#include <QString>

// The measured-data logging as the technician set it up.
struct LoggingState {
    QString MdPfad;        // the folder of the files
    QString MdDateiname;   // the base name, numbered ".1" to ".999"
    float MdInterval = 0;  // seconds between records; 1 once the dialog was opened
    bool MdAktiv = false;  // recording runs
};
