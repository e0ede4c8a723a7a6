#pragma once

#include <QtGlobal>

// The meter's serial protocol: command codes, sub-codes, reply codes, reply
// lengths and the waits the host allows for each reply.
namespace protocol {

constexpr quint8 DLE = 0x10;  // request accepted
constexpr quint8 NAK = 0x15;  // request rejected

enum Command : quint8 {
    ConnectionTest = 0x00,
    Reset = 0x02,
    Counts = 0x03,
    SupportPoints = 0x04,
    Store = 0x05,
    WriteByte = 0x08,
    WriteWord = 0x09,
    WriteFloat = 0x0A,
    EepromRequest = 0x0B,
    ReadConfig = 0x0D,
    WriteConfig = 0x0E,
    EepromByte = 0x0F,
    ErrorStatus = 0x12,
};

// Sub-codes that follow the command byte.
constexpr quint8 ResetColdStart = 0x00;
constexpr quint8 ResetAfterSupportPoints = 0x01;
constexpr quint8 CountsRaw = 0x01;
constexpr quint8 CountsFlow = 0x02;
constexpr quint8 EepromWhole = 0x00;
constexpr quint8 ConfigCalibration = 0x04;

constexpr int EepromSize = 512;
constexpr int EepromReplyLength = EepromSize + 1;  // DLE + image
constexpr int CountsReplyLength = 3;               // DLE, high, low
constexpr int ErrorReplyLength = 2;                // DLE, code
constexpr int ConfigBytes = 4;  // configuration bytes read by 0D 04 and restored by 0E
constexpr int ConfigReplyLength = 3 + ConfigBytes;  // DLE, 0D, 04, four bytes
constexpr int ConfigReplyStart = 3;  // the kept bytes are the answer's characters 4 to 7
constexpr int SupportPointsPerFrame = 30;
constexpr int SupportPointBytes = 6;  // counts Word16 + flow Float32

// Waits in seconds.
constexpr double WaitConnectionTest = 2.0;
constexpr double WaitEeprom = 8.0;
constexpr double WaitCounts = 0.5;
constexpr double WaitStatus = 2.0;
constexpr double FixedWaitTime = 1.0;
constexpr double PauseBeforeEepromRetry = 1.0;
// A meter restarting after a store answers within this; in fast mode the
// tool asks for it this often meanwhile.
constexpr double WaitForRestart = 40.0;
constexpr double AskInterval = 0.5;
// The meter's line: 9600 baud, a start bit, 8 data bits and a stop bit.
constexpr int BaudRate = 9600;
constexpr double ByteTime = 10.0 / BaudRate;
// A reply's last byte reaches the program a little after it has crossed the
// wire; looking this much later finds most replies whole, so the program
// wakes once for them instead of twice.
constexpr double DeliveryLag = 0.0002;
// The meter sends its image in one go: bytes still coming within a few byte
// times of a whole image show that it was led by a late reply to an earlier
// request. Waiting longer would only add dead time to every read.
constexpr double ImageTrailingGap = 4 * ByteTime;

// Length of a request frame including its checksum, or 0 for an unknown code.
int frameLength(quint8 command);
// Length of the meter's accepting reply to a request, DLE included; a
// rejection is the single NAK.
int replyLength(quint8 command);

// Sub-codes k of the parameter writes 08, 09 and 0A.
namespace byteparam {
constexpr quint8 Ausgangsart = 0, Analogbereich = 1, Digitalflags = 2, Impulsdauer = 4,
                 Frequenzbereich = 5, Frequenzvorteiler = 6, Frequenzteiler = 7;
}
namespace wordparam {
constexpr quint8 Filterfaktor = 2, OffsetU05 = 3, FactorU05 = 4, OffsetU010 = 5, FactorU010 = 6,
                 OffsetI020 = 7, FactorI020 = 8, OffsetI420 = 9, FactorI420 = 10, FrequenzMax = 13,
                 FrequenzMin = 14;
}
namespace floatparam {
constexpr quint8 Impulsteiler = 0, Reserve = 1, MEW = 2, SchaltMin = 3, SchaltMax = 4,
                 Schleichmenge = 5, MOG = 6;
}

}  // namespace protocol
