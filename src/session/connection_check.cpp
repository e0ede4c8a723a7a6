#include <exception>
#include <functional>

#include "device/eeprom_auswerten.h"
#include "link/protocol.h"
#include "link/requests.h"
#include "session/info_texts.h"
#include "session/session.h"
#include "session/show_tables.h"
#include "session/status_texts.h"

namespace {

constexpr double WaitForMeter = 35.0;
constexpr double WaitAfterColdStartReply = 10.0;
constexpr double WaitAfterReset = 4.0;
constexpr qint32 FilterfaktorOhneGeraet = 46958;

}  // namespace

bool Session::connectionTest() {
    if (!link_.Verbindungstest()) return false;
    state.connected = true;
    state.linkDown = false;
    refreshControls();
    setStatus(starttexte::verbindungOk(language));
    return true;
}

// No meter answered: the window stays usable for choosing another port and
// for preparing a configuration without a meter.
void Session::withoutMeter() {
    setLamp(color::Grey);
    state.connected = false;
    state.currentShown = false;
    linkState.Verbunden = false;
    refreshControls();
    if (cancelledBy(message(texts[textnr::VerbindungGestoert],
                            texts[textnr::TitelVerbindungGestoert], Schaltflaechen::OkAbbrechen,
                            Symbol::Kritisch)))
        return;
    state.linkDown = true;
    state.checked = true;
    refreshControls();
    geraet.MEW = geraet.MOG = float(int(100.0 / settings.einheit.Umrechnungsfaktor));
    geraet.Filterfaktor = FilterfaktorOhneGeraet;
    geraet.Schleichmenge = 0;
}

bool Session::waitForFirstByte() {
    return link_.waitForBytes(1, WaitForMeter, Ereignisse::Alle, false);
}

// The meter answered the EEPROM request with a single byte: it is reset twice.
void Session::kaltstart() {
    setLamp(color::Green);
    setStatus(QString::fromUtf8(starttexte::Wartezeit10));
    link_.Warten(WaitAfterColdStartReply);
    setStatus(QString::fromUtf8(starttexte::Kaltstart1));
    link_.senden(request::kaltstartReset());
    link_.Warten(WaitAfterReset);
    setStatus(QString::fromUtf8(starttexte::Kaltstart2));
    link_.senden(request::kaltstartReset());
    link_.Warten(WaitAfterReset);
    setWaitCursor(true);
    timStatus_->an();
    port_.inBufferLeeren();
    state.Initialisierung = 1;
    waitForFirstByte();
    timStatus_->aus();
    setWaitCursor(false);
}

void Session::initialised() {
    timStatus_->aus();
    link_.discardInput();
    setLamp(color::Green);
    setStatus(starttexte::initialisiert(language));
    setWaitCursor(false);
    state.Initialisierung = 0;
    state.currentShown = true;
    refreshControls();
    display.setText(QStringLiteral("frmkor2"),
                    infotexte::fenstertitel(language, settings.Portnummer));
}

void Session::decodeAndShow() {
    const DecodeResult r = EEPromAuswerten(linkState.EEPromInhalt, geraet, settings.einheit);
    if (r.overflowRead) showOverflow();
    if (!r.ok())
        message(r.failure + QStringLiteral(", SUB EEPromAuswerten") + QStringLiteral("\r\n") +
                    texts[textnr::DecodierFehler],
                QString(), Schaltflaechen::Ok, Symbol::Kritisch);
    WerteAnzeigen();
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
        display.setText(QStringLiteral("lblAktMW"), QString());
        display.setText(QStringLiteral("lblANAOUT"), QString());
        port_.inBufferLeeren();
        link_.senden(request::eepromLesen());
        state.Initialisierung = 1;
        setWaitCursor(true);
        timStatus_->an();
    });
    step([&] {
        waitForFirstByte();
        timStatus_->aus();
        link_.Warten(protocol::FesteWartezeit);
    });
    step([&] {
        if (port_.inBufferCount() == 1) kaltstart();
    });
    step([&] { initialised(); });
    if (ending()) return;
    bool read = false;
    step([&] { read = EEPromLesen(); });
    // The meter that did not deliver its image has already been reported.
    if (!read) return;
    step([&] { decodeAndShow(); });
    step([&] {
        showSupportPoints(geraet, display);
        readError();
        showCalibration(geraet, display);
    });
    if (!ending()) finishStartUp();
}
