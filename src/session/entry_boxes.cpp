#include "config/numeric_entry.h"
#include "device/number_format.h"
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
};

const BoxNames& namesOf(Session::Box b) {
    return names[int(b)];
}

}  // namespace

QString Session::boxName(Box b) {
    return QLatin1String(namesOf(b).box);
}

QString Session::boxChanged(Box b, const QString& typed) {
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
    }
    // A handler may have put another text in the box (a limit, say).
    return display.text(box);
}
