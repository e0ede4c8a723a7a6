#pragma once

#include <QString>
#include <QVector>
#include <array>

#include "config/edit_state.h"
#include "device/meter_parameters.h"

// The values of a configuration, as the technician names them; a .use file
// holds them on the lines given (the range limit MOG is not in the file).
enum class ConfigValue {
    Ausgangsart = 1,
    Analogbereich,
    Digitalflags,
    Konfigbyte3,
    MEW,
    Schleichmenge,
    Daempfung,
    Frequenzbereich,
    FrequenzMin,
    FrequenzMax,
    Impulswert,
    Impulsdauer,
    Polaritaet,
    SchaltMin,
    SchaltMax,
    SchaltPolaritaet,
    Ueberlauf,
    MOG,
    // Not in the file: what the write works out from it.
    Analogausgang,
    AusgangFehler,
    Digitalausgang,
};

QString configValueName(ConfigValue v);
// The line of a .use file that holds the value; 0 for one the file does not hold.
int configFileLine(ConfigValue v);

// What a configuration write asks the meter to hold, flows in the selected
// unit: the values the technician edited or a file gave, and those the tool
// works out with them (a full scale the overflow lowers, the band's top the
// overflow caps, the pulse divisor for the asked amount per pulse).
struct WriteIntent {
    std::array<bool, AnalogEdit::Options> analog{};  // the analog options asked for
    int range = 0;           // 0 "0 - 20 mA", 1 "4 - 20 mA", 2 "0 - 5 V", 3 "0 - 10 V"
    int errorOutput = 0;     // 0 min, 1 max, 2 down, 3 up
    bool fullScale = false;  // MEW is asked: edited, or lowered for the overflow
    float MEW = 0;
    float Schleichmenge = 0;
    int Daempfungszeit = 0;  // ms
    qint32 Filterfaktor = 0;
    int Ueberlauf = 0;
    float MOG = 0;

    int digital = -1;  // the output kind asked for (DigitalEdit::Kind), -1 none
    int Frequenzbereich = 0;
    int FrequenzMin = 0;
    int FrequenzMax = 0;
    float Impulswert = 0;  // per hour
    int Impulsdauer = 0;
    bool pulsePlus = true;
    float SchaltMin = 0;
    float SchaltMax = 0;
    bool switchPlus = true;
    // The pulse divisor goes with a pulse output and with a new full scale
    // under an active one; 0 text when it exists, else 28 or 29.
    bool divisor = false;
    qint32 Impulsteiler = 0;
    bool fractionalBits = false;
    int divisorRefused = 0;

    // The full scale the meter will work with after the write.
    float fullScaleAfter(const MeterParameters& m) const { return fullScale ? MEW : m.MEW; }
    // The top of the variable band as sent: the overflow caps it.
    int bandTop() const;
};

// `asRead` is the meter as last read, `m` the record with the values edited
// in place, `e` the editors; flows are in the unit of `factor` (kg/h per unit).
WriteIntent writeIntent(const MeterParameters& asRead, const MeterParameters& m, const EditState& e,
                        double factor);

// A value the meter read back does not hold as asked.
struct Mismatch {
    ConfigValue value;
    QString asked;
    QString held;
};
// Compares what `meter` (read back, decoded in the same unit) holds with each
// value `w` asks for, within what single precision and the divisor's
// resolution allow.
QVector<Mismatch> mismatches(const WriteIntent& w, const MeterParameters& meter);
