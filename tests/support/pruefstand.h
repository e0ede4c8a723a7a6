#pragma once

#include <QByteArray>
#include <QVector>

#include "link/link.h"
#include "sim/abbilder.h"
#include "sim/sim_port.h"
#include "sim/virtual_clock.h"
#include "support/aufzeichnung.h"

// A test bench: the link against the in-process simulated meter on virtual
// time, with a recording window and scripted message boxes. Text n of the
// language table reads "Text n", so tests can tell which text was shown.
struct Pruefstand {
    explicit Pruefstand(const QByteArray& eeprom = abbild::standard());

    VirtualClock uhr;
    Simulator sim;
    AufzeichnendeAnzeige anzeige;
    SkriptDialoge dialoge;
    Texte texte;
    Sprache sprache = Sprache::Deutsch;
    LinkState zustand;
    Link link;

    Oberflaeche ui() { return {anzeige, dialoge, texte, sprache}; }
    // The frames the meter received, without their times.
    QVector<QByteArray> rahmen() const;
    // Seconds between the frames the meter received.
    QVector<double> abstaende() const;
};

// Bytes from a hex text such as "0B 00 0B".
QByteArray hex(const char* text);
// The EEPROM reply as the meter sends it: DLE and the image.
QByteArray antwortMit(const QByteArray& eeprom);
