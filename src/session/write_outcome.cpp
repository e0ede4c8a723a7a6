#include "link/requests.h"
#include "session/refusal_texts.h"
#include "session/session.h"
#include "session/status_texts.h"

namespace {}  // namespace

// One write, sent again while the meter rejects it (within the link's bound);
// anything but an acknowledgement ends the write.
bool Session::ParameterSenden(const QByteArray& frame) {
    if (!linkState.Verbunden) return false;
    const Reply r = sendRepeated(frame, Repeat::WhileRejected);
    if (r.kind == ReplyKind::NoAnswer || r.kind == ReplyKind::Short) brokenLink();
    return r.acknowledged();
}

// The editors' own message where one names the refusal, else the value and its limit.
void Session::refuseWrite(const Refusal& r) {
    if (r.text)
        message(texts[r.text], texts[r.title], Buttons::Ok, Symbol::Critical);
    else
        message(refusalTexts::value(r), refusalTexts::title(language), Buttons::Ok,
                Symbol::Critical);
    state.writeDifferences = {refusalTexts::value(r)};
    if (r.text == textNo::PulsesTooFast)
        display.setSelection(QStringLiteral("regkor2"), page::Analog);
    if (r.title == textNo::TitleFrequency)
        display.setSelection(QStringLiteral("regkor2"), page::Digital);
}

WriteResult Session::verdict(const QStringList& differences) {
    state.writeDifferences = differences;
    if (differences.isEmpty()) {
        setStatus({startTexts::writeDone});
        return WriteResult::Written;
    }
    setStatus({[differences](Language s) { return startTexts::writeDiffers(s, differences); }});
    message(differences.join(QLatin1Char('\n')), startTexts::writeNotConfirmed(language),
            Buttons::Ok, Symbol::Critical);
    return WriteResult::Differs;
}
