#include "config/write_plan.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/refusal_texts.h"
#include "session/session.h"
#include "session/status_texts.h"

namespace {

constexpr double WaitBeforeWriting = 1.0;
constexpr double ShowCheckData = 3.0;
constexpr int TitleFrequency = 42;  // the variable band's messages
constexpr int PulseTimingText = 43;
constexpr int AnalogPage = 1;
constexpr int DigitalPage = 2;

}  // namespace

// One write, sent again while the meter rejects it (within the link's bound);
// anything but an acknowledgement ends the write.
bool Session::ParameterSenden(const QByteArray& frame) {
    if (!linkState.Verbunden) return false;
    const Reply r = sendRepeated(frame, Repeat::WhileRejected);
    if (r.kind == ReplyKind::NoAnswer || r.kind == ReplyKind::Short) brokenLink();
    return r.acknowledged();
}

WriteResult Session::KonfigurationSchreiben() {
    if (busy()) return WriteResult::Failed;
    // Everything is checked before the first request: a refused write sends nothing.
    const WritePlan plan =
        planConfigurationWrite(meterAsRead_, meter, edit, settings.unit.Umrechnungsfaktor);
    if (plan.refused()) {
        refuseWrite(plan.refusal);
        return WriteResult::Refused;
    }
    Operation operation(*this);
    if (!keepSnapshot("write-config")) return WriteResult::Refused;
    display.setValue(QStringLiteral("AnzAnalog"), 0);
    setCountsTimer(false);
    state.writing = true;
    refreshControls();
    setStatus(startTexts::writing(language));
    link_.Warten(WaitBeforeWriting);
    bool sent = linkState.Verbunden;  // without a meter nothing is sent, nor restarted
    for (const QByteArray& frame : plan.frames)
        sent = sent && ParameterSenden(frame);
    if (!sent) {
        state.writing = false;
        refreshControls();
        return WriteResult::Failed;
    }
    return finishWrite(plan);
}

// The editors' own message where one names the refusal, else the value and its limit.
void Session::refuseWrite(const Refusal& r) {
    if (r.text)
        message(texts[r.text], texts[r.title], Buttons::Ok, Symbol::Critical);
    else
        message(refusalTexts::value(r), refusalTexts::title(language), Buttons::Ok,
                Symbol::Critical);
    state.writeDifferences = {refusalTexts::value(r)};
    if (r.text == PulseTimingText) display.setSelection(QStringLiteral("regkor2"), AnalogPage);
    if (r.title == TitleFrequency) display.setSelection(QStringLiteral("regkor2"), DigitalPage);
}

// Store, restart, wait for the meter, read it again and compare what it
// holds with what was asked.
WriteResult Session::finishWrite(const WritePlan& plan) {
    if (!plan.frames.isEmpty()) {
        timStatus_->on();
        if (!ParameterSenden(request::store()) ||
            !ParameterSenden(request::resetAfterSupportPoints())) {
            timStatus_->off();
            state.writing = false;
            refreshControls();
            return WriteResult::Failed;
        }
    }
    display.setSelection(QStringLiteral("regkor2"), 0);
    const int imagesBefore = state.imagesDecoded;
    readAfterRestart();
    if (!linkState.Verbunden) {
        setStatus(QString::fromUtf8(startTexts::CheckData));
        link_.Warten(ShowCheckData);
    }
    state.writing = false;
    refreshControls();
    if (!linkState.Verbunden) return WriteResult::Differs;
    // Only an image read after the write can tell what the meter holds.
    if (state.imagesDecoded == imagesBefore) return WriteResult::Failed;
    QStringList differing;
    for (const Mismatch& d : mismatches(plan.intent, meterAsRead_))
        differing << startTexts::difference(language, configValueName(d.value), d.asked, d.held);
    const WriteResult r = verdict(differing);
    if (r == WriteResult::Written) {
        edit.chkKonfAnalog = {};
        edit.optDigital = -1;
        refreshControls();
    }
    return r;
}

WriteResult Session::verdict(const QStringList& differences) {
    state.writeDifferences = differences;
    if (differences.isEmpty()) {
        setStatus(startTexts::writeDone(language));
        return WriteResult::Written;
    }
    setStatus(startTexts::writeDiffers(language, differences));
    message(differences.join(QLatin1Char('\n')), startTexts::writeNotConfirmed(language),
            Buttons::Ok, Symbol::Critical);
    return WriteResult::Differs;
}
