#pragma once

#include <QtGlobal>

// The meter's serial protocol: command codes, sub-codes, reply codes, reply
// lengths and the waits the host allows for each reply.
namespace protocol {

constexpr quint8 DLE = 0x10;  // request accepted
constexpr quint8 NAK = 0x15;  // request rejected

enum Befehl : quint8 {
    Verbindungstest = 0x00,
    Reset = 0x02,
    Counts = 0x03,
    Stuetzstellen = 0x04,
    Speichern = 0x05,
    ByteSchreiben = 0x08,
    WortSchreiben = 0x09,
    FloatSchreiben = 0x0A,
    EEPromAnfordern = 0x0B,
    KonfigLesen = 0x0D,
    KonfigSchreiben = 0x0E,
    EEPromByte = 0x0F,
    Fehlerstatus = 0x12,
};

// Sub-codes that follow the command byte.
constexpr quint8 ResetKaltstart = 0x00;
constexpr quint8 ResetNachStuetzstellen = 0x01;
constexpr quint8 CountsRoh = 0x01;
constexpr quint8 CountsDurchfluss = 0x02;
constexpr quint8 EEPromGesamt = 0x00;
constexpr quint8 KonfigKalibrierung = 0x04;

constexpr int EEPromGroesse = 512;
constexpr int EEPromAntwortLaenge = EEPromGroesse + 1;  // DLE + image
constexpr int CountsAntwortLaenge = 3;                  // DLE, high, low
constexpr int FehlerAntwortLaenge = 2;                  // DLE, code
constexpr int KonfigBytes = 4;  // configuration bytes read by 0D 04 and restored by 0E
constexpr int KonfigAntwortLaenge = 3 + KonfigBytes;  // DLE, 0D, 04, four bytes
constexpr int KonfigAntwortStart = 3;  // the kept bytes are the answer's characters 4 to 7
constexpr int StuetzstellenImRahmen = 30;
constexpr int StuetzstelleBytes = 6;  // counts Word16 + flow Float32

// Waits in seconds.
constexpr double WarteVerbindungstest = 2.0;
constexpr double WarteEEProm = 8.0;
constexpr double WarteCounts = 0.5;
constexpr double WarteStatus = 2.0;
constexpr double FesteWartezeit = 1.0;
constexpr double PauseVorEEPromWiederholung = 1.0;

// Length of a request frame including its checksum, or 0 for an unknown code.
int rahmenLaenge(quint8 befehl);

// Sub-codes k of the parameter writes 08, 09 and 0A.
namespace byteparam {
constexpr quint8 Ausgangsart = 0, Analogbereich = 1, Digitalflags = 2, Impulsdauer = 4,
                 Frequenzbereich = 5, Frequenzvorteiler = 6, Frequenzteiler = 7;
}
namespace wortparam {
constexpr quint8 Filterfaktor = 2, OffsetU05 = 3, FaktorU05 = 4, OffsetU010 = 5, FaktorU010 = 6,
                 OffsetI020 = 7, FaktorI020 = 8, OffsetI420 = 9, FaktorI420 = 10, FrequenzMax = 13,
                 FrequenzMin = 14;
}
namespace floatparam {
constexpr quint8 Impulsteiler = 0, Reserve = 1, MEW = 2, SchaltMin = 3, SchaltMax = 4,
                 Schleichmenge = 5, MOG = 6;
}

}  // namespace protocol
