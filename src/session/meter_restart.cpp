#include "link/protocol.h"
#include "link/requests.h"
#include "session/session.h"

namespace {

constexpr double WaitForRestart = 40.0;  // a meter restarting after a store answers within this
constexpr double ReplyRest = 1.0;

}  // namespace

double Session::readBackSeconds() {
    return protocol::FixedWaitTime + protocol::EepromReplyLength * protocol::ByteTime;
}

// Waits for the restarting meter, bounded, then reads and shows it as the
// connection check does, which resumes polling. True when an image was read;
// otherwise the tool keeps the image it held.
bool Session::readAfterRestart() {
    const QByteArray before = linkState.EEPromInhalt;
    linkState.EEPromInhalt.clear();
    state.Initialisierung = 1;
    timStatus_->on();
    link_.send(request::counts(false));  // answered only once the meter is back
    progress.setRestarting(true);
    const bool back = link_.waitForBytes(1, WaitForRestart, Events::All, false);
    progress.setRestarting(false);
    if (back) {
        // The rest of that reply must not be taken for the answer to the check.
        link_.waitForBytes(protocol::CountsReplyLength, ReplyRest, Events::All, false);
        link_.discardInput();
    }
    PruefeVerbindung();
    state.Initialisierung = 0;
    timStatus_->off();
    const bool read =
        linkState.Verbunden && linkState.EEPromInhalt.size() == protocol::EepromReplyLength;
    if (!read) linkState.EEPromInhalt = before;
    return read;
}
