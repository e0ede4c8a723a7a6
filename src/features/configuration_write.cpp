#include "features/configuration_write.h"
#include "config/write_plan.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/operation.h"
#include "session/status_texts.h"

namespace {

constexpr double WaitBeforeWriting = 1.0;
constexpr double ShowCheckData = 3.0;

// The pause before writing, each request, the store and the restart, and the
// read after it.
double plannedSeconds(const Session& core, const WritePlan& plan) {
    const Link& link = core.link();
    double seconds = link.plannedPause(WaitBeforeWriting) + core.readBackSeconds();
    for (const QByteArray& frame :
         plan.frames + QVector<QByteArray>{request::store(), request::resetAfterSupportPoints()})
        seconds += link.plannedSeconds(frame);
    return seconds;
}

}  // namespace

ConfigurationWrite::ConfigurationWrite(Session& core, const AnalogEditor& analog,
                                       const DigitalEditor& digital)
    : core_(core), analog_(analog), digital_(digital) {}

WriteResult ConfigurationWrite::KonfigurationSchreiben() {
    if (core_.busy()) return WriteResult::Failed;
    // Everything is checked before the first request: a refused write sends nothing.
    const WritePlan plan =
        planConfigurationWrite(core_.meterAsRead(), core_.meter, {analog_.edit(), digital_.edit()},
                               core_.settings.unit.Umrechnungsfaktor);
    if (plan.refused()) {
        core_.refuseWrite(plan.refusal);
        return WriteResult::Refused;
    }
    Operation operation(core_);
    if (!core_.keepSnapshot("write-config")) return WriteResult::Refused;
    const ProgressScope progress(core_.progress, plannedSeconds(core_, plan));
    core_.display.setValue(QStringLiteral("AnzAnalog"), 0);
    core_.setCountsTimer(false);
    core_.state.writing = true;
    core_.refreshControls();
    core_.setStatus({startTexts::writing});
    core_.link().pause(WaitBeforeWriting);
    bool sent = core_.linkState.Verbunden;  // without a meter nothing is sent, nor restarted
    for (const QByteArray& frame : plan.frames)
        sent = sent && core_.ParameterSenden(frame);
    if (!sent) {
        core_.state.writing = false;
        core_.refreshControls();
        return WriteResult::Failed;
    }
    return finishWrite(plan);
}

// Store, restart, wait for the meter, read it again and compare what it
// holds with what was asked.
WriteResult ConfigurationWrite::finishWrite(const WritePlan& plan) {
    if (!plan.frames.isEmpty()) {
        core_.TimStatus().on();
        if (!core_.ParameterSenden(request::store()) ||
            !core_.ParameterSenden(request::resetAfterSupportPoints())) {
            core_.TimStatus().off();
            core_.state.writing = false;
            core_.refreshControls();
            return WriteResult::Failed;
        }
    }
    core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
    const int imagesBefore = core_.state.imagesDecoded;
    core_.readAfterRestart();
    if (!core_.linkState.Verbunden) {
        core_.setStatus(askingTexts::checkData());
        core_.link().Warten(ShowCheckData);
    }
    core_.state.writing = false;
    core_.refreshControls();
    if (!core_.linkState.Verbunden) return WriteResult::Differs;
    // Only an image read after the write can tell what the meter holds.
    if (core_.state.imagesDecoded == imagesBefore) return WriteResult::Failed;
    QStringList differing;
    for (const Mismatch& d : mismatches(plan.intent, core_.meterAsRead()))
        differing << startTexts::difference(core_.language, configValueName(d.value), d.asked,
                                            d.held);
    const WriteResult r = core_.verdict(differing);
    if (r == WriteResult::Written) core_.discardEdits();
    return r;
}
