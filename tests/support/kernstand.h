#pragma once

#include <QByteArray>
#include <QVector>

#include "link/geraetesitzung.h"
#include "sim/abbilder.h"
#include "sim/sim_port.h"
#include "sim/virtual_clock.h"
#include "support/aufzeichnung.h"

// The device session against the in-process simulated meter on virtual time,
// with a recording window and scripted message boxes; port 1, kg/h, German,
// and text n of the language table reading "Text n".
struct Kernstand {
    explicit Kernstand(const QByteArray& eeprom = abbild::standard());

    VirtualClock uhr;
    Simulator sim;
    AufzeichnendeAnzeige anzeige;
    SkriptDialoge dialoge;
    Geraetesitzung kern;

    // Runs the start-up as the one-shot timer does and returns when it is done.
    void starten();
    QVector<QByteArray> rahmen() const;
    // When each frame was sent, relative to the first.
    QVector<double> zeiten() const;
    // The frames sent since frame `ab`, by their first bytes in hex.
    QStringList befehle(int ab = 0) const;
};
