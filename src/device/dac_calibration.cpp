#include "device/dac_calibration.h"

#include <cmath>

#include "link/umrechnungen.h"

namespace dacCalibration {
namespace {

constexpr float LoadOhms = 250.0f;
constexpr quint16 SignBit = 0x8000;

// Halves to the even neighbour, as the meter's words were always rounded.
qint32 rounded(float v) {
    return qint32(std::nearbyint(double(v)));
}

quint16 offsetWord(qint32 offset) {
    return offset < 0 ? quint16(SignBit | quint16(-offset)) : quint16(offset);
}

}  // namespace

const std::array<Point, 3>& defaultPoints(Stage s) {
    static const std::array<Point, 3> current = {{
        {511, 0.035001f, 450, 452, " Counts 1 (I) auf Adr. 450/51",
         "[mA] IOut 1 auf Adr. 452/53/54/55"},
        {11000, 1.010001f, 456, 458, " Counts 2 (I) auf Adr. 456/57",
         "[mA] IOut 2 auf Adr. 458/59/60/61"},
        {54900, 5.210001f, 462, 464, " Counts 3 (I) auf Adr. 462/63",
         "[mA] IOut 3 auf Adr. 464/65/66/67"},
    }};
    static const std::array<Point, 3> voltage = {{
        {511, 0.080001f, 432, 434, " Counts 1 (U) auf Adr. 432/33",
         "[V] UOut 1 auf Adr. 434/35/36/37"},
        {31700, 5.420001f, 438, 440, " Counts 2 (U) auf Adr. 438/39",
         "[V] UOut 2 auf Adr. 440/41/42/43"},
        {60590, 10.37001f, 444, 446, " Counts 3 (U) auf Adr. 444/45",
         "[V] UOut 3 auf Adr. 446/47/48/49"},
    }};
    return s == Stage::Current ? current : voltage;
}

const std::array<Reference, 8>& defaultReferences() {
    static const std::array<Reference, 8> references = {{
        {400, 0.0f, "0 Volt auf Adr. 400 - 403"},
        {404, 9.9999f, "10 Volt auf Adr. 404 - 407"},
        {408, 0.0f, "0 Volt auf Adr. 408 - 411"},
        {412, 5.0f, "5 Volt auf Adr. 412 - 415"},
        {416, 0.0f, "0 mA auf Adr. 416 - 419"},
        {420, 20.0f, "20 mA auf Adr. 420 - 423"},
        {424, 4.0f, "4 mA auf Adr. 424 - 427"},
        {428, 20.0f, "20 mA auf Adr. 428 - 431"},
    }};
    return references;
}

std::array<Word, 4> DacKalibrierung(const std::array<Point, 3>& points, Stage s,
                                    const std::array<float, 9>& DacReferenz) {
    const bool current = s == Stage::Current;
    float c[3], l[3];
    for (int i = 0; i < 3; ++i) {
        c[i] = float(points[size_t(i)].counts);
        l[i] = current ? points[size_t(i)].level / LoadOhms * 1000.0f : points[size_t(i)].level;
    }
    // The third point's counts are read as an unsigned word.
    c[2] =
        float(umrechnungen::IntegerNachWort16(umrechnungen::Wort16NachInteger(points[2].counts)));
    float f1, f2, o1, o2;
    if (current) {
        f1 = (l[2] - l[0]) / (c[2] - c[0]), f2 = (l[2] - l[1]) / (c[2] - c[1]);
        o1 = l[0] - f1 * c[0], o2 = l[1] - f2 * c[1];
    } else {
        f1 = (l[1] - l[0]) / (c[1] - c[0]), f2 = (l[2] - l[0]) / (c[2] - c[0]);
        o1 = l[0] - f1 * c[0], o2 = l[0] - f2 * c[0];
    }
    const int r = current ? 5 : 1;  // the stage's first reference level
    const float r1 = DacReferenz[size_t(r)], r2 = DacReferenz[size_t(r + 1)],
                r3 = DacReferenz[size_t(r + 2)], r4 = DacReferenz[size_t(r + 3)];
    const qint32 offset1 = rounded((r1 - o1) / f1), offset2 = rounded((r3 - o2) / f2);
    const quint16 factor1 = quint16(rounded((r2 - r1) / f1)),
                  factor2 = quint16(rounded((r4 - r3) / f2));
    const quint8 first = current ? 7 : 5, second = current ? 9 : 3;
    return {{{first, offsetWord(offset1), "OFFSET 1", "Offset1 senden : ", offset1 < 0},
             {quint8(first + 1), factor1, "FACTOR 1", "Faktor1 senden : ", false},
             {second, offsetWord(offset2), "OFFSET 2", "Offset2 senden : ", offset2 < 0},
             {quint8(second + 1), factor2, "FACTOR 2", "Faktor2 senden : ", false}}};
}

}  // namespace dacCalibration
