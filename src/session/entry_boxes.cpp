#include "config/numeric_entry.h"
#include "curve/curve_table.h"
#include "device/number_format.h"
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

// The support-point boxes take a comma as a period; counts stop at 4095.
QString pointEntry(Session::Box b, QString typed) {
    typed.replace(QLatin1Char(','), QLatin1Char('.'));
    if (b == Session::Box::StpCounts && leadingNumber(typed) > curveTable::MaxCounts)
        return QString::number(curveTable::MaxCounts);
    return typed;
}

const BoxNames& namesOf(Session::Box b) {
    return names[int(b)];
}

}  // namespace

QString Session::boxName(Box b) {
    return QLatin1String(namesOf(b).box);
}

QString Session::boxChanged(Box b, const QString& typed) {
    if (b == Box::StpCounts || b == Box::StpFlow) {
        display.put(boxName(b), Aspect::Text, pointEntry(b, typed));
        return display.text(boxName(b));
    }
    const NumericEntry entry = b == Box::MOG ? rangeLimitEntry(typed) : numericEntry(typed);
    const QString box = boxName(b);
    display.put(box, Aspect::Text, entry.text);
    if (entry.empty()) {
        display.setText(QLatin1String(namesOf(b).label), QString());
        focus(box);
        return entry.text;
    }
    switch (b) {
        case Box::MEW:
            fullScaleEntered(entry.value);
            break;
        case Box::Schleich:
            edit.SchleichmengeNeu = float(entry.value);
            display.setTexts({"lblKonfSchleichNeu", "lblNDSchleichmenge"},
                             numberFormat::shortest(edit.SchleichmengeNeu));
            break;
        case Box::MOG:
            rangeLimitEntered(entry.value);
            break;
        case Box::FrequenzMin:
        case Box::FrequenzMax:
            frequencyEntered(b, entry.value);
            break;
        case Box::ImpWert:
            pulseValueEntered(entry.value);
            break;
        case Box::SchaltMin:
        case Box::SchaltMax:
            switchThresholdEntered(b, entry.value);
            break;
        case Box::StpCounts:
        case Box::StpFlow:
            break;
    }
    // A handler may have put another text in the box (a limit, say).
    return display.text(box);
}
