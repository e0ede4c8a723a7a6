#include "device/analogausgang.h"

#include <QStringList>

namespace analogausgang {

Bereich bereich(int ausgangsart, int analogbereich) {
    if (ausgangsart & 0x01) return (analogbereich & 0x04) ? Bereich::I0_20 : Bereich::I4_20;
    return (analogbereich & 0x01) ? Bereich::U0_5 : Bereich::U0_10;
}

bool istStrom(Bereich b) {
    return b == Bereich::I0_20 || b == Bereich::I4_20;
}

QString bereichText(Bereich b) {
    switch (b) {
        case Bereich::U0_5:
            return QStringLiteral("0 - 5");
        case Bereich::U0_10:
            return QStringLiteral("0 - 10");
        case Bereich::I0_20:
            return QStringLiteral("0 - 20");
        case Bereich::I4_20:
            break;
    }
    return QStringLiteral("4 - 20");
}

QString einheit(Bereich b) {
    return istStrom(b) ? QStringLiteral("mA") : QStringLiteral("Volt");
}

int fehlerverhalten(int analogbereich) {
    for (int bit = 4; bit <= 7; ++bit)
        if (analogbereich & (1 << bit)) return bit - 4;
    return -1;
}

QString fehlerText(int verhalten) {
    static const QStringList texte = {QStringLiteral("min"), QStringLiteral("max"),
                                      QStringLiteral("down"), QStringLiteral("up")};
    return texte.value(verhalten);
}

}  // namespace analogausgang
