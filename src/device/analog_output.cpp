#include "device/analog_output.h"

#include <QStringList>

namespace analogOutput {

Range range(int outputKind, int analogRange) {
    if (outputKind & 0x01) return (analogRange & 0x04) ? Range::I0_20 : Range::I4_20;
    return (analogRange & 0x01) ? Range::U0_5 : Range::U0_10;
}

bool isCurrent(Range b) {
    return b == Range::I0_20 || b == Range::I4_20;
}

QString rangeText(Range b) {
    switch (b) {
        case Range::U0_5:
            return QStringLiteral("0 - 5");
        case Range::U0_10:
            return QStringLiteral("0 - 10");
        case Range::I0_20:
            return QStringLiteral("0 - 20");
        case Range::I4_20:
            break;
    }
    return QStringLiteral("4 - 20");
}

QString unit(Range b) {
    return isCurrent(b) ? QStringLiteral("mA") : QStringLiteral("Volt");
}

Range rangeOfEntry(int entry) {
    const Range ranges[] = {Range::I0_20, Range::I4_20, Range::U0_5, Range::U0_10};
    return ranges[qBound(0, entry, 3)];
}

int entryOfRange(Range b) {
    return b == Range::I0_20 ? 0 : b == Range::I4_20 ? 1 : b == Range::U0_5 ? 2 : 3;
}

QStringList errorChoices(Range b) {
    const QString min = QStringLiteral("min"), max = QStringLiteral("max");
    if (b == Range::I4_20) return {min, max, QStringLiteral("down"), QStringLiteral("up")};
    if (b == Range::I0_20) return {min, max, QString(), QStringLiteral("up")};
    return {min, max, QString(), QString()};
}

int errorBehavior(int analogRange) {
    for (int bit = 4; bit <= 7; ++bit)
        if (analogRange & (1 << bit)) return bit - 4;
    return -1;
}

QString errorText(int behavior) {
    static const QStringList texts = {QStringLiteral("min"), QStringLiteral("max"),
                                      QStringLiteral("down"), QStringLiteral("up")};
    return texts.value(behavior);
}

}  // namespace analogOutput
