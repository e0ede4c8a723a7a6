#pragma once

#include <QString>

// The measured-data logging as the technician set it up.
struct LoggingState {
    QString MdPfad;        // the folder of the files
    QString MdDateiname;   // the base name, numbered ".1" to ".999"
    float MdInterval = 0;  // seconds between records; 1 once the dialog was opened
    bool MdAktiv = false;  // recording runs
    // The link broke while recording: no record repeats the last value as if
    // it were measured; recording goes on in the same file with the next one.
    bool interrupted = false;
    // The session connects again on its own while interrupted, every
    // `ReconnectEvery` seconds (for recordings nobody watches).
    bool reconnect = false;
    double lastReconnect = 0;  // clock seconds of the last attempt
};
