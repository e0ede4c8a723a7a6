#include "features/entry_boxes.h"

#include "curve/curve_table.h"
#include "device/numbers.h"
#include "session/session.h"

namespace {

struct BoxNames {
    const char* box;
    const char* label;  // the new value beside the box
};

const BoxNames names[] = {
    {"txtKonfMEW", "lblKonfMEWNeu"},
    {"txtKonfSchleich", "lblKonfSchleichNeu"},
    {"txtKonfMOG", "lblKonfMOGNeu"},
    {"txtFrequenzmin", "lblFrequenzminNeu"},
    {"txtFrequenzmax", "lblFrequenzmaxNeu"},
    {"txtKonfImpWert", "lblKonfImpWertNeu"},
    {"txtKonfSchaltMin", "lblKonfSchaltMinNeu"},
    {"txtKonfSchaltMax", "lblKonfSchaltMaxNeu"},
    {"txtCounts", ""},
    {"txtFlow", ""},
};

const BoxNames& namesOf(Box b) {
    return names[int(b)];
}

}  // namespace

QString boxName(Box b) {
    return QLatin1String(namesOf(b).box);
}

NumericEntry enterNumber(Session& core, Box b, const QString& typed) {
    const NumericEntry entry = b == Box::MOG ? rangeLimitEntry(typed) : numericEntry(typed);
    const QString box = boxName(b);
    core.display.put(box, Aspect::Text, entry.text);
    if (entry.empty()) {
        core.display.setText(QLatin1String(namesOf(b).label), QString());
        core.focus(box);
    }
    return entry;
}

QString enterPoint(Session& core, Box b, const QString& typed) {
    QString text = typed;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (b == Box::StpCounts && leadingNumber(text) > curveTable::MaxCounts)
        text = QString::number(curveTable::MaxCounts);
    core.display.put(boxName(b), Aspect::Text, text);
    return core.display.text(boxName(b));
}
