#include "config/write_plan.h"
#include "device/write_targets.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/session.h"
#include "session/status_texts.h"

namespace {

constexpr double WaitBeforeWriting = 1.0;
constexpr double WaitForRestart = 40.0;
constexpr double ShowCheckData = 3.0;
constexpr double ReplyRest = 1.0;
constexpr int TitleFrequency = 42;
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

Session::WriteResult Session::KonfigurationSchreiben() {
    if (busy()) return WriteResult::Failed;
    Operation operation(*this);
    if (!keepSnapshot("write-config")) return WriteResult::Refused;
    display.setText(QStringLiteral("lblAktMW"), QString());
    display.setText(QStringLiteral("lblANAOUT"), QString());
    display.setValue(QStringLiteral("AnzAnalog"), 0);
    setCountsTimer(false);
    state.writing = true;
    refreshControls();
    setStatus(startTexts::writing(language));
    link_.Warten(WaitBeforeWriting);
    const WritePlan plan = planConfigurationWrite(meter, edit, settings.unit.Umrechnungsfaktor);
    if (plan.refused()) {
        message(texts[plan.refusedText], texts[plan.refusedTitle], Buttons::Ok, Symbol::Critical);
        if (plan.refusedText == PulseTimingText)
            display.setSelection(QStringLiteral("regkor2"), AnalogPage);
        state.writing = false;
        refreshControls();
        setCountsTimer(true);  // nothing was sent: the meter goes on as it was
        return WriteResult::Refused;
    }
    if (plan.frequencyText) {
        message(texts[plan.frequencyText], texts[TitleFrequency], Buttons::Ok, Symbol::Critical);
        display.setSelection(QStringLiteral("regkor2"), DigitalPage);
    }
    QByteArray expected = linkState.EEPromInhalt.mid(1);
    bool sent = linkState.Verbunden;  // without a meter nothing is sent, nor restarted
    for (const QByteArray& frame : plan.frames) {
        sent = sent && ParameterSenden(frame);
        applyWrite(expected, frame);
    }
    if (!sent) {
        state.writing = false;
        refreshControls();
        return WriteResult::Failed;
    }
    return finishWrite(expected, plan.frames);
}

// Store, restart, wait for the meter, read it again and compare.
Session::WriteResult Session::finishWrite(const QByteArray& expected,
                                          const QVector<QByteArray>& frames) {
    if (!frames.isEmpty()) {
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
    state.Initialisierung = 1;
    link_.send(request::counts(false));  // answered only once the meter is back
    if (link_.waitForBytes(1, WaitForRestart, Events::All, false)) {
        // The rest of that reply must not be taken for the answer to the check.
        link_.waitForBytes(protocol::CountsReplyLength, ReplyRest, Events::All, false);
        link_.discardInput();
    }
    PruefeVerbindung();
    if (!linkState.Verbunden) {
        setStatus(QString::fromUtf8(startTexts::CheckData));
        link_.Warten(ShowCheckData);
    }
    state.Initialisierung = 0;
    timStatus_->off();
    state.writing = false;
    refreshControls();
    QStringList differing;
    const QByteArray now = linkState.EEPromInhalt.mid(1);
    for (const QByteArray& frame : frames) {
        const WriteTarget t = writeTarget(frame);
        if (now.mid(t.address, t.value.size()) != expected.mid(t.address, t.value.size()) &&
            !differing.contains(t.name))
            differing << t.name;
    }
    if (!linkState.Verbunden) return WriteResult::Differs;
    const WriteResult r = verdict(differing);
    if (r == WriteResult::Written) {
        edit.chkKonfAnalog = {};
        edit.optDigital = -1;
        refreshControls();
    }
    return r;
}

Session::WriteResult Session::verdict(const QStringList& differences) {
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
