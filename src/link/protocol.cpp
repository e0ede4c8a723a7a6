#include "link/protocol.h"

namespace protocol {

int rahmenLaenge(quint8 befehl) {
    switch (befehl) {
        case Verbindungstest:
        case Speichern:
        case Fehlerstatus:
            return 2;
        case Reset:
        case Counts:
        case EEPromAnfordern:
        case KonfigLesen:
            return 3;
        case ByteSchreiben:
            return 4;
        case WortSchreiben:
        case EEPromByte:
            return 5;
        case KonfigSchreiben:
            return 2 + KonfigBytes;
        case FloatSchreiben:
            return 7;
        case Stuetzstellen:
            return 3 + StuetzstellenImRahmen * StuetzstelleBytes;
        default:
            return 0;
    }
}

}  // namespace protocol
