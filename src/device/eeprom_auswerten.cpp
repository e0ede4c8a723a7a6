#include "device/eeprom_auswerten.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "device/eeprom_map.h"
#include "device/numbers.h"
#include "link/byte_order.h"
#include "link/umrechnungen.h"

namespace {

constexpr double FirstFirmwareWithOverflow = 3.0;
constexpr qint32 FilterfaktorDefault = 62000;

// Reads EEPROM addresses out of the reply, whose first byte is the DLE.
class Image {
public:
    explicit Image(const QByteArray& buffer) : p_(buffer) {}
    quint8 byte(int a) const { return byteOrder::readByte(p_, a + 1); }
    quint16 word16(int a) const { return byteOrder::readWord16(p_, a + 1); }
    qint16 word16Signed(int a) const { return byteOrder::readWord16Signed(p_, a + 1); }
    float float32(int a) const { return byteOrder::readFloat32(p_, a + 1); }
    quint32 dword32(int a) const { return byteOrder::readDword32(p_, a + 1); }
    QString text(int a, int n) const { return byteOrder::readText(p_, a + 1, n); }

private:
    const QByteArray& p_;
};

class DivisionByZero : public std::domain_error {
public:
    DivisionByZero() : std::domain_error("Division durch Null") {}
};

float inUnit(float kgh, const Unit& e) {
    if (e.Umrechnungsfaktor == 0) throw DivisionByZero();
    return float(kgh / e.Umrechnungsfaktor);
}

// Erased calibration fields read as negative NaNs; they and negative values count as 0.
float nonNegative(float value) {
    return std::signbit(value) ? 0.0f : value;
}

// The whole table or none: a count beyond the record leaves it empty.
void supportPoints(const Image& a, MeterParameters& p, const Unit&) {
    const int n = a.byte(address::StpAnzahl);
    if (n > MeterParameters::MaxSupportPoints)
        throw umrechnungen::IndexError("Index außerhalb des gültigen Bereichs");
    auto counts = p.StpCounts;
    auto flows = p.StpFlow;
    for (int i = 1; i <= n; ++i) {
        const int base = address::FirstSupportPoint + address::SupportPointStride * (i - 1);
        counts[size_t(i)] = a.word16(base);
        flows[size_t(i)] = a.float32(base + address::SupportPointFlowOffset);
    }
    p.StpAnzahl = n;
    p.StpCounts = counts;
    p.StpFlow = flows;
}

void outputBytes(const Image& a, MeterParameters& p, const Unit&) {
    p.Ausgangsart = a.byte(address::Ausgangsart);
    p.Analogbereich = a.byte(address::Analogbereich);
    p.Digitalflags = a.byte(address::Digitalflags);
    p.Konfigbyte3 = a.byte(address::Konfigbyte3);
    p.Polaritaet = (p.Digitalflags & 0x01) ? QStringLiteral("Plus") : QStringLiteral("Minus");
}

void pulse(const Image& a, MeterParameters& p, const Unit&) {
    p.Impulsteiler = qint32(a.dword32(address::Impulsteiler));
    p.Impulsdauer = a.byte(address::Impulsdauer);
    if (p.Impulsdauer == 0) p.Impulsdauer = 256;
}

void frequency(const Image& a, MeterParameters& p, const Unit&) {
    p.Frequenzbereich = a.byte(address::Frequenzbereich);
    p.FrequenzMin = a.word16Signed(address::FrequenzMin);
    p.FrequenzMax = a.word16Signed(address::FrequenzMax);
    p.Frequenzvorteiler = a.byte(address::Frequenzvorteiler);
    p.Frequenzteiler = a.byte(address::Frequenzteiler);
}

void computeImpulsbasis(MeterParameters& p) {
    const double s = (p.Digitalflags & 0x04) ? 256.0 : 65536.0;
    p.Impulsbasis = float(p.MEW / 3600.0 / 1000.0 * s / 65535.0);
    p.Impulsbasis16 = impulsbasis16(p.MEW);
    const double divisor = umrechnungen::LongNachWort32(p.Impulsteiler);
    p.Impulswert = float(roundHalfEven(double(p.Impulsbasis) * divisor, 7));
}

// The flows in the unit, and the pulse base that follows the full scale.
void flows(const Image& a, MeterParameters& p, const Unit& e) {
    p.Reserve270 = inUnit(a.float32(address::Reserve270), e);
    p.MEW = inUnit(a.float32(address::MEW), e);
    computeImpulsbasis(p);
    p.SchaltMin = inUnit(a.float32(address::SchaltMin), e);
    p.SchaltMax = inUnit(a.float32(address::SchaltMax), e);
    p.MOG = inUnit(a.float32(address::MOG), e);
    p.Schleichmenge = inUnit(a.float32(address::Schleichmenge), e);
}

void filter(const Image& a, MeterParameters& p, const Unit&) {
    p.Filterfaktor = a.word16(address::Filterfaktor);
    if (p.Filterfaktor == 0) p.Filterfaktor = FilterfaktorDefault;
}

void firmware(const Image& a, MeterParameters& p, const Unit&) {
    p.Firmwareversion = a.text(address::Firmwareversion, address::FirmwareversionLength);
}

void serialNumber(const Image& a, MeterParameters& p, const Unit&) {
    p.Fertigungsnummer = a.text(address::Fertigungsnummer, address::FertigungsnummerLength);
}

// Firmware before version 3 has no overflow function: its byte means nothing.
void overflow(const Image& a, MeterParameters& p, const Unit&) {
    if (!overflowKnown(p)) return;
    p.Ueberlauf = a.byte(address::Ueberlauf);
    p.UeberlaufAktiv = p.Ueberlauf == 1 ? 1 : 0;
}

void calibration(const Image& a, MeterParameters& p, const Unit&) {
    for (int i = 1; i <= 8; ++i)
        p.DacReferenz[size_t(i)] = nonNegative(a.float32(address::DacReferenz + 4 * (i - 1)));
    for (int i = 1; i <= 3; ++i) {
        const int base = address::DacPointsU + address::DacPointStride * (i - 1);
        p.DacCountsU[size_t(i)] = a.word16(base);
        p.DacAusgangU[size_t(i)] = nonNegative(a.float32(base + 2));
    }
    for (int i = 1; i <= 3; ++i) {
        const int base = address::DacPointsI + address::DacPointStride * (i - 1);
        p.DacCountsI[size_t(i)] = a.word16(base);
        p.DacAusgangI[size_t(i)] = nonNegative(a.float32(base + 2));
    }
    for (int i = 1; i <= 8; ++i)
        p.AnalogTrim[size_t(i)] = a.word16(address::AnalogTrim[i - 1]);
}

// The parts in the order the meter's fields are decoded; the pulse base needs
// the divisor before the flows, the overflow state the firmware version.
using Part = void (*)(const Image&, MeterParameters&, const Unit&);
constexpr Part Parts[] = {outputBytes, supportPoints, pulse,    frequency, flows,
                          filter,      serialNumber,  firmware, overflow,  calibration};

}  // namespace

bool overflowKnown(const MeterParameters& p) {
    return leadingNumber(p.Firmwareversion.right(2)) >= FirstFirmwareWithOverflow;
}

DecodeResult EEPromAuswerten(const QByteArray& buffer, MeterParameters& p, const Unit& unit) {
    DecodeResult r;
    const Image image(buffer);
    p = MeterParameters{};
    for (const Part part : Parts) {
        try {
            part(image, p, unit);
        } catch (const std::exception& fault) {
            if (r.ok()) r.failure = QString::fromUtf8(fault.what());
        }
    }
    return r;
}
