#include "link/protocol.h"

namespace protocol {

int frameLength(quint8 command) {
    switch (command) {
        case ConnectionTest:
        case Store:
        case ErrorStatus:
            return 2;
        case Reset:
        case Counts:
        case EepromRequest:
        case ReadConfig:
            return 3;
        case WriteByte:
            return 4;
        case WriteWord:
        case EepromByte:
            return 5;
        case WriteConfig:
            return 2 + ConfigBytes;
        case WriteFloat:
            return 7;
        case SupportPoints:
            return 3 + SupportPointsPerFrame * SupportPointBytes;
        default:
            return 0;
    }
}

int replyLength(quint8 command) {
    switch (command) {
        case Counts:
            return CountsReplyLength;
        case EepromRequest:
            return EepromReplyLength;
        case ReadConfig:
            return ConfigReplyLength;
        case ErrorStatus:
            return ErrorReplyLength;
        default:
            return 1;
    }
}

}  // namespace protocol
