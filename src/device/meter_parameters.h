#pragma once

#include <QString>
#include <array>

// The device parameters decoded from the meter's EEPROM image. Flow fields
// are held in the selected measuring unit.
struct MeterParameters {
    static constexpr int MaxSupportPoints = 40;

    int Ausgangsart = 0;
    int Analogbereich = 0;
    int Digitalflags = 0;
    int Konfigbyte3 = 0;
    QString Polaritaet;
    int StpAnzahl = 0;
    std::array<qint32, MaxSupportPoints + 1> StpCounts{};  // index 0 holds no point
    std::array<float, MaxSupportPoints + 1> StpFlow{};
    qint32 Impulsteiler = 0;  // bit pattern of the unsigned divisor
    int Impulsdauer = 0;
    int Frequenzbereich = 0;
    int Frequenzvorteiler = 0;
    int Frequenzteiler = 0;
    qint16 FrequenzMin = 0;
    qint16 FrequenzMax = 0;
    qint32 Filterfaktor = 0;
    std::array<qint32, 9> AnalogTrim{};  // [1..8]
    float Reserve270 = 0;
    float MEW = 0;
    float SchaltMin = 0;
    float SchaltMax = 0;
    float Schleichmenge = 0;
    float MOG = 0;
    std::array<float, 9> DacReferenz{};  // [1..8]
    std::array<qint32, 4> DacCountsU{};  // [1..3]
    std::array<float, 4> DacAusgangU{};
    std::array<qint32, 4> DacCountsI{};
    std::array<float, 4> DacAusgangI{};
    int Ueberlauf = 0;
    int UeberlaufAktiv = 0;
    QString Firmwareversion;
    QString Fertigungsnummer;
    float Impulsbasis = 0;
    float Impulsbasis16 = 0;
    float Impulswert = 0;
};

// The amount one count of the 16-bit pulse divisor stands for at a full scale.
inline float impulsbasis16(float fullScale) {
    return float(fullScale / 3600.0 / 1000.0 * 65536.0 / 65535.0);
}
