#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The analog output's DAC calibration: from three measured points of an
// output stage (DAC counts against the level produced) and the reference
// levels of its two ranges, the offset and factor words the meter drives
// each range with.
namespace dacCalibration {

enum class Stage { Current, Voltage };  // "Strom", "Spannung"

struct Point {
    qint32 counts;
    float level;  // current stage: volts across the 250 ohm load; voltage stage: volts
    int countsAddress;
    int levelAddress;
    const char* countsText;  // the status text after the value
    const char* levelText;
};

// The default points the reset writes, points 1 to 3.
const std::array<Point, 3>& defaultPoints(Stage s);

struct Reference {
    int address;
    float level;
    const char* text;
};
// The default reference levels the reset writes, in address order.
const std::array<Reference, 8>& defaultReferences();

// One word to send with command 9: its parameter index and value.
struct Word {
    quint8 index;
    quint16 value;
    const char* label;    // the log's label: "OFFSET 1", "FACTOR 1", ...
    const char* status;   // the status text before the value: "Offset1 senden : ", ...
    bool outOfTolerance;  // a negative offset, sent as sign and magnitude
};

// `DacReferenz` holds the reference levels 1 to 8 (addresses 400 to 428) as
// decoded from the meter. The words in the order they are sent: offset 1,
// factor 1, offset 2, factor 2, all worked out in single precision.
std::array<Word, 4> DacKalibrierung(const std::array<Point, 3>& points, Stage s,
                                    const std::array<float, 9>& DacReferenz);

}  // namespace dacCalibration
