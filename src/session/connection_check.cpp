#include <exception>
#include <functional>

#include "device/eeprom_auswerten.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/info_texts.h"
#include "session/operation.h"
#include "session/session.h"
#include "session/show_tables.h"
#include "session/status_texts.h"

namespace {

constexpr double WaitForMeter = 35.0;
constexpr double WaitAfterColdStartReply = 10.0;
constexpr double WaitAfterReset = 4.0;
constexpr qint32 FilterfaktorWithoutMeter = 46958;

}  // namespace

bool Session::connectionTest() {
    if (!link_.testConnection()) return false;
    state.connected = true;
    state.linkDown = false;
    refreshControls();
    setStatus({startTexts::connectionOk});
    return true;
}

// No meter answered: the window stays usable for choosing another port and
// for preparing a configuration without a meter.
void Session::withoutMeter() {
    setLamp(color::Grey);
    state.connected = false;
    state.currentShown = false;
    linkState.Verbunden = false;
    events.readingsLost();
    refreshControls();
    if (cancelledBy(message(texts[textNo::ConnectionBroken], texts[textNo::TitleConnectionBroken],
                            Buttons::OkCancel, Symbol::Critical)))
        return;
    state.linkDown = true;
    state.checked = true;
    refreshControls();
    meter.MEW = meter.MOG = float(int(100.0 / settings.unit.Umrechnungsfaktor));
    meter.Filterfaktor = FilterfaktorWithoutMeter;
    meter.Schleichmenge = 0;
}

// After a store the meter answers once it has restarted, however long that takes.
bool Session::waitForFirstByte() {
    progress.setRestarting(true);
    const bool answered = link_.waitForBytes(1, WaitForMeter, Events::All, false);
    progress.setRestarting(false);
    return answered;
}

// The meter answered the EEPROM request with a single byte: it is reset twice.
void Session::coldStart() {
    const ProgressScope shown(progress, WaitAfterColdStartReply + 2 * WaitAfterReset);
    setLamp(color::Green);
    setStatus(QString::fromUtf8(startTexts::WaitTime10));
    link_.Warten(WaitAfterColdStartReply);
    setStatus(QString::fromUtf8(startTexts::ColdStart1));
    link_.send(request::coldStartReset());
    link_.Warten(WaitAfterReset);
    setStatus(QString::fromUtf8(startTexts::ColdStart2));
    link_.send(request::coldStartReset());
    link_.Warten(WaitAfterReset);
    setWaitCursor(true);
    timStatus_->on();
    port_.clearInBuffer();
    state.Initialisierung = 1;
    waitForFirstByte();
    timStatus_->off();
    setWaitCursor(false);
}

// A meter that needs a cold start answers with a single byte. The fixed
// second tells; in fast mode the whole image tells sooner.
void Session::awaitFirstReply() {
    if (linkState.fast)
        link_.waitForBytes(protocol::EepromReplyLength, protocol::FixedWaitTime, Events::All,
                           false);
    else
        link_.Warten(protocol::FixedWaitTime);
}

// In fast mode a whole image answering the first request is kept instead
// of being asked for again.
bool Session::keepFirstImage() {
    if (!linkState.fast || port_.inBufferCount() != protocol::EepromReplyLength) return false;
    const Reply r = aligned(link_.collect(protocol::EepromReplyLength));
    if (r.kind != ReplyKind::Acknowledged) return false;
    linkState.EEPromInhalt = r.bytes;
    linkState.Fehlversuche = 0;
    return true;
}

void Session::initialised() {
    timStatus_->off();
    link_.discardInput();
    setLamp(color::Green);
    setStatus({startTexts::initialized});
    setWaitCursor(false);
    state.Initialisierung = 0;
    state.currentShown = true;
    refreshControls();
    display.setText(QStringLiteral("frmkor2"),
                    infoTexts::mainWindowTitle(language, settings.PortNumber));
}

void Session::decodeAndShow() {
    const DecodeResult r = EEPromAuswerten(linkState.EEPromInhalt, meter, settings.unit);
    meterAsRead_ = meter;
    ++state.imagesDecoded;
    events.imageDecoded();
    showOverflow();
    if (!r.ok())
        message(r.failure + QStringLiteral(", SUB EEPromAuswerten") + QStringLiteral("\r\n") +
                    texts[textNo::DecodeError],
                QString(), Buttons::Ok, Symbol::Critical);
    WerteAnzeigen();
    // The grids too show this meter only, wherever the image was read.
    showSupportPoints(meter, display);
    showCalibration(meter, display);
}

void Session::finishStartUp() {
    state.meterRead = true;
    state.checked = true;
    state.liveShown = true;
    refreshControls();
    setCountsTimer(true);
    state.Startphase = false;
}

void Session::PruefeVerbindung() {
    Operation operation(*this);
    // A failure in one step is reported and the next step runs all the same.
    const auto step = [this](const std::function<void()>& f) {
        try {
            f();
        } catch (const std::exception& e) {
            state.stepFailed = true;
            refreshControls();
            runtimeError(QString::fromUtf8(e.what()), QStringLiteral("PruefeVerbindung"));
        }
    };
    bool connected = false;
    step([&] { connected = connectionTest(); });
    if (!connected) {
        withoutMeter();
        return;
    }
    step([&] {
        pauseLiveValues();
        port_.clearInBuffer();
        link_.send(request::eepromImage());
        state.Initialisierung = 1;
        setWaitCursor(true);
        timStatus_->on();
    });
    step([&] {
        waitForFirstByte();
        timStatus_->off();
        awaitFirstReply();
    });
    bool read = false;
    step([&] {
        if (port_.inBufferCount() == 1)
            coldStart();
        else
            read = keepFirstImage();
    });
    step([&] { initialised(); });
    if (ending()) return;
    if (!read) step([&] { read = EEPromLesen(); });
    // The meter that did not deliver its image has already been reported.
    if (!read) return;
    step([&] { decodeAndShow(); });
    step([&] { readError(); });
    if (!ending()) finishStartUp();
}
