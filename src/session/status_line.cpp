#include "session/status_line.h"

#include "session/info_texts.h"
#include "session/status_texts.h"

StatusText StatusText::fixed(const QString& text) {
    return {[text](Language) { return text; }};
}

namespace askingTexts {

StatusText choosePort() {
    return {infoTexts::choosePortText, true};
}

StatusText checkData() {
    StatusText t = StatusText::fixed(QString::fromUtf8(startTexts::CheckData));
    t.asksToAct = true;
    return t;
}

}  // namespace askingTexts
