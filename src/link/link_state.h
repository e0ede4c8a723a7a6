#pragma once

#include <QByteArray>

// State of the serial link, shared by every exchange.
struct LinkState {
    QByteArray Empfangspuffer;  // the last block of received bytes
    QByteArray EEPromInhalt;    // the last complete EEPROM reply, DLE included
    QByteArray Sendepuffer;     // the last frame sent
    quint8 Pruefbyte = 0;       // its checksum
    bool Verbunden = false;
    int Fehlversuche = 0;    // consecutive NAKs and short EEPROM replies
    bool cancelled = false;  // the program is ending: nothing is sent, no wait waits
    // Writes wait for the meter's answer instead of the fixed waits (opt-in).
    bool fast = false;
    double answerLag = 0;  // seconds from the last fast request to its whole reply
};
