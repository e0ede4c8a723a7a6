#include "sim/abbilder.h"

#include "link/byte_order.h"
#include "device/eeprom_map.h"
#include "link/protocol.h"

namespace abbild {
namespace {

struct Punkt {
    quint16 counts;
    float kgh;
};

constexpr Punkt Kennlinie[] = {
    {1000, 0.0f},    {4000, 2.0f},    {8000, 5.0f},    {12000, 10.0f},
    {17000, 18.0f},  {23000, 30.0f},  {30000, 48.0f},  {37000, 70.0f},
    {45000, 100.0f}, {52000, 135.0f}, {58000, 170.0f}, {63000, 200.0f},
};

void setze(QByteArray& e, int a, const QByteArray& bytes) {
    e.replace(a, bytes.size(), bytes);
}

void setzeByte(QByteArray& e, int a, quint8 wert) {
    e[a] = char(wert);
}

void setzeKalibrierung(QByteArray& e) {
    const float referenz[8] = {0.0f, 9.9999f, 0.0f, 5.0f, 0.0f, 20.0f, 4.0f, 20.0f};
    for (int i = 0; i < 8; ++i)
        setze(e, adresse::DacReferenz + 4 * i, bytefolge::float32(referenz[i]));
    const Punkt u[3] = {{511, 0.080001f}, {31700, 5.420001f}, {60590, 10.37001f}};
    const Punkt strom[3] = {{511, 0.035001f}, {11000, 1.010001f}, {54900, 5.210001f}};
    for (int i = 0; i < 3; ++i) {
        const int au = adresse::DacPunkteU + adresse::DacPunktAbstand * i;
        const int ai = adresse::DacPunkteI + adresse::DacPunktAbstand * i;
        setze(e, au, bytefolge::word16(u[i].counts));
        setze(e, au + 2, bytefolge::float32(u[i].kgh));
        setze(e, ai, bytefolge::word16(strom[i].counts));
        setze(e, ai + 2, bytefolge::float32(strom[i].kgh));
    }
    // Offsets and factors of U1, U2, I1, I2 as the default calibration computes them.
    const quint16 trim[8] = {44, 44, 143, 10895, 29193, 58406, 52550, 41810};
    for (int i = 0; i < 8; ++i)
        setze(e, adresse::AnalogTrim[i], bytefolge::word16(trim[i]));
}

QByteArray mitFirmware(const char* version) {
    QByteArray e(protocol::EEPromGroesse, char(0xFF));
    setzeByte(e, adresse::Ausgangsart, 0x15);    // current output, pulse output
    setzeByte(e, adresse::Analogbereich, 0x18);  // 4 - 20 mA, Min on error
    setzeByte(e, adresse::Digitalflags, 0x85);   // plus, divisor with 8 fractional bits
    setzeByte(e, adresse::Konfigbyte3, 0x00);
    const int n = int(sizeof Kennlinie / sizeof Kennlinie[0]);
    setzeByte(e, adresse::StpAnzahl, quint8(n));
    for (int i = 0; i < n; ++i) {
        const int a = adresse::StpErster + adresse::StpAbstand * i;
        setze(e, a, bytefolge::word16(Kennlinie[i].counts));
        setze(e, a + adresse::StpFlussVersatz, bytefolge::float32(Kennlinie[i].kgh));
    }
    setze(e, adresse::Impulsteiler, bytefolge::dword32(614390));  // 0.1 kg a pulse at 150 kg/h
    setzeByte(e, adresse::Impulsdauer, 50);
    setzeByte(e, adresse::Frequenzbereich, 1);
    setzeByte(e, adresse::Frequenzvorteiler, 1);
    setze(e, adresse::FrequenzMax, bytefolge::word16(1000));
    setze(e, adresse::FrequenzMin, bytefolge::word16(10));
    setzeByte(e, adresse::Frequenzteiler, 10);
    setze(e, adresse::Filterfaktor, bytefolge::word16(62000));
    setze(e, adresse::Reserve270, bytefolge::float32(0.0f));
    setze(e, adresse::MEW, bytefolge::float32(150.0f));
    setze(e, adresse::SchaltMin, bytefolge::float32(20.0f));
    setze(e, adresse::SchaltMax, bytefolge::float32(120.0f));
    setze(e, adresse::Schleichmenge, bytefolge::float32(0.5f));
    setze(e, adresse::MOG, bytefolge::float32(200.0f));
    setzeKalibrierung(e);
    setzeByte(e, adresse::Ueberlauf, 0);
    setze(e, adresse::Firmwareversion, QByteArray(version));
    setze(e, adresse::Fertigungsnummer, QByteArray("QO24031507"));
    return e;
}

}  // namespace

QByteArray standard() {
    return mitFirmware("V3.1 R03");
}

QByteArray firmware2() {
    QByteArray e = mitFirmware("V2.4 R02");
    setzeByte(e, adresse::Ueberlauf, 1);  // ignored: this firmware has no overflow function
    return e;
}

QByteArray geloescht() {
    return QByteArray(protocol::EEPromGroesse, char(0xFF));
}

}  // namespace abbild
