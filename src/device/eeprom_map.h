#pragma once

// Addresses of the meter's EEPROM fields. The image as received starts with
// the DLE, so EEPROM address a is byte a + 1 of the reply.
namespace address {

constexpr int Ausgangsart = 0;
constexpr int Analogbereich = 1;
constexpr int Digitalflags = 2;
constexpr int Konfigbyte3 = 3;
constexpr int StpAnzahl = 4;
constexpr int FirstSupportPoint = 5;  // counts of point i at 5 + 6(i-1), flow 2 bytes later
constexpr int SupportPointStride = 6;
constexpr int SupportPointFlowOffset = 2;
constexpr int SupportPointAreaEnd = 210;  // first address after the support-point area
constexpr int Impulsteiler = 210;
constexpr int Impulsdauer = 214;
constexpr int Frequenzbereich = 215;
constexpr int Frequenzvorteiler = 220;
constexpr int FrequenzMax = 221;
constexpr int FrequenzMin = 223;
constexpr int Frequenzteiler = 225;
constexpr int Filterfaktor = 244;
// Offset and factor words of U1, U2, I1, I2 in the order offset U1, U2, I1, I2, factor U1, U2, I1,
// I2.
constexpr int AnalogTrim[8] = {250, 254, 258, 262, 252, 256, 260, 266};
constexpr int Reserve270 = 270;
constexpr int MEW = 274;
constexpr int SchaltMin = 278;
constexpr int SchaltMax = 282;
constexpr int Schleichmenge = 286;
constexpr int MOG = 290;
constexpr int DacReferenz = 400;  // eight Float32
constexpr int DacPointsU = 432;   // three points of counts Word16 + level Float32
constexpr int DacPointsI = 450;
constexpr int DacPointStride = 6;
constexpr int Ueberlauf = 468;
constexpr int Firmwareversion = 492;
constexpr int FirmwareversionLength = 8;
constexpr int Fertigungsnummer = 500;
constexpr int FertigungsnummerLength = 10;

}  // namespace address
