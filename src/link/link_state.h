#pragma once

#include <QByteArray>

#include "link/dialogs.h"

// State of the serial link, shared by every exchange.
struct LinkState {
    QByteArray Empfangspuffer;  // the last block of received bytes
    QByteArray EEPromInhalt;    // the last complete EEPROM reply, DLE included
    QByteArray Sendepuffer;     // the last frame sent
    quint8 Pruefbyte = 0;       // its checksum
    bool Verbunden = false;
    int Fehlversuche = 0;  // consecutive NAKs and short EEPROM replies
    Antwort MeldungsAntwort = Antwort::Ok;
    bool programmEnde = false;  // the user chose to end the program
    bool PortOk = false;        // the configured port is open
    bool Startphase = false;    // from opening the port until the first start-up finished
    int Initialisierung = 0;    // 1 while the meter is waited for
    int vorgaenge = 0;          // device operations running; only one may
};
