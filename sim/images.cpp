#include "sim/images.h"

#include "device/eeprom_map.h"
#include "link/byte_order.h"
#include "link/protocol.h"

namespace images {
namespace {

struct Point {
    quint16 counts;
    float kgh;
};

// The sensor's counts are 12 bits.
constexpr Point CurvePoints[] = {
    {62, 0.0f},     {250, 2.0f},    {500, 5.0f},    {750, 10.0f},
    {1062, 18.0f},  {1437, 30.0f},  {1875, 48.0f},  {2312, 70.0f},
    {2812, 100.0f}, {3250, 135.0f}, {3625, 170.0f}, {3937, 200.0f},
};

void setBytes(QByteArray& e, int a, const QByteArray& bytes) {
    e.replace(a, bytes.size(), bytes);
}

void setByte(QByteArray& e, int a, quint8 value) {
    e[a] = char(value);
}

void setCalibration(QByteArray& e) {
    const float reference[8] = {0.0f, 9.9999f, 0.0f, 5.0f, 0.0f, 20.0f, 4.0f, 20.0f};
    for (int i = 0; i < 8; ++i)
        setBytes(e, address::DacReferenz + 4 * i, byteOrder::float32(reference[i]));
    const Point u[3] = {{511, 0.080001f}, {31700, 5.420001f}, {60590, 10.37001f}};
    const Point current[3] = {{511, 0.035001f}, {11000, 1.010001f}, {54900, 5.210001f}};
    for (int i = 0; i < 3; ++i) {
        const int au = address::DacPointsU + address::DacPointStride * i;
        const int ai = address::DacPointsI + address::DacPointStride * i;
        setBytes(e, au, byteOrder::word16(u[i].counts));
        setBytes(e, au + 2, byteOrder::float32(u[i].kgh));
        setBytes(e, ai, byteOrder::word16(current[i].counts));
        setBytes(e, ai + 2, byteOrder::float32(current[i].kgh));
    }
    // Offsets and factors of U1, U2, I1, I2 as the default calibration computes them.
    const quint16 trim[8] = {44, 44, 143, 10895, 29193, 58406, 52550, 41810};
    for (int i = 0; i < 8; ++i)
        setBytes(e, address::AnalogTrim[i], byteOrder::word16(trim[i]));
}

QByteArray withFirmware(const char* version) {
    QByteArray e(protocol::EepromSize, char(0xFF));
    setByte(e, address::Ausgangsart, 0x15);    // current output, pulse output
    setByte(e, address::Analogbereich, 0x18);  // 4 - 20 mA, Min on error
    setByte(e, address::Digitalflags, 0x85);   // plus, divisor with 8 fractional bits
    setByte(e, address::Konfigbyte3, 0x00);
    const int n = int(sizeof CurvePoints / sizeof CurvePoints[0]);
    setByte(e, address::StpAnzahl, quint8(n));
    for (int i = 0; i < n; ++i) {
        const int a = address::FirstSupportPoint + address::SupportPointStride * i;
        setBytes(e, a, byteOrder::word16(CurvePoints[i].counts));
        setBytes(e, a + address::SupportPointFlowOffset, byteOrder::float32(CurvePoints[i].kgh));
    }
    setBytes(e, address::Impulsteiler, byteOrder::dword32(614390));  // 0.1 kg a pulse at 150 kg/h
    setByte(e, address::Impulsdauer, 50);
    setByte(e, address::Frequenzbereich, 1);
    setByte(e, address::Frequenzvorteiler, 1);
    setBytes(e, address::FrequenzMax, byteOrder::word16(1000));
    setBytes(e, address::FrequenzMin, byteOrder::word16(10));
    setByte(e, address::Frequenzteiler, 10);
    setBytes(e, address::Filterfaktor, byteOrder::word16(62000));
    setBytes(e, address::Reserve270, byteOrder::float32(0.0f));
    setBytes(e, address::MEW, byteOrder::float32(150.0f));
    setBytes(e, address::SchaltMin, byteOrder::float32(20.0f));
    setBytes(e, address::SchaltMax, byteOrder::float32(120.0f));
    setBytes(e, address::Schleichmenge, byteOrder::float32(0.5f));
    setBytes(e, address::MOG, byteOrder::float32(200.0f));
    setCalibration(e);
    setByte(e, address::Ueberlauf, 0);
    setBytes(e, address::Firmwareversion, QByteArray(version));
    setBytes(e, address::Fertigungsnummer, QByteArray("QO24031507"));
    return e;
}

}  // namespace

QByteArray standard() {
    return withFirmware("V3.1 R03");
}

QByteArray firmware2() {
    QByteArray e = withFirmware("V2.4 R02");
    setByte(e, address::Ueberlauf, 1);  // ignored: this firmware has no overflow function
    return e;
}

QByteArray erased() {
    return QByteArray(protocol::EepromSize, char(0xFF));
}

}  // namespace images
