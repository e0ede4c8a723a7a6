#include "link/protocol.h"
#include "link/requests.h"
#include "session/session.h"

namespace {

constexpr double ReplyRest = 1.0;

}  // namespace

// The connection check after a restart: in fast mode the image answering
// its first request is kept.
double Session::readBackSeconds() const {
    const double image = protocol::EepromReplyLength * protocol::ByteTime;
    return linkState.fast ? image : protocol::FixedWaitTime + image;
}

// A counts request is answered only once the meter is back.
void Session::waitForCounts() {
    link_.send(request::counts(false));
    progress.setRestarting(true);
    const bool back = link_.waitForBytes(1, protocol::WaitForRestart, Events::All, false);
    progress.setRestarting(false);
    if (back) {
        // The rest of that reply must not be taken for the answer to the check.
        link_.waitForBytes(protocol::CountsReplyLength, ReplyRest, Events::All, false);
        link_.discardInput();
    }
}

bool Session::awaitRestart() {
    progress.setRestarting(true);
    const bool back = link_.askUntilBack(protocol::WaitForRestart);
    progress.setRestarting(false);
    return back;
}

// Waits for the restarting meter, bounded, then reads and shows it as the
// connection check does, which resumes polling. True when an image was read;
// otherwise the tool keeps the image it held.
bool Session::readAfterRestart() {
    const QByteArray before = linkState.EEPromInhalt;
    linkState.EEPromInhalt.clear();
    state.Initialisierung = 1;
    timStatus_->on();
    if (linkState.fast)
        awaitRestart();
    else
        waitForCounts();
    PruefeVerbindung();
    state.Initialisierung = 0;
    timStatus_->off();
    const bool read =
        linkState.Verbunden && linkState.EEPromInhalt.size() == protocol::EepromReplyLength;
    if (!read) linkState.EEPromInhalt = before;
    return read;
}
