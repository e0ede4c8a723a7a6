#include <QFileInfo>
#include <exception>

#include "session/operation.h"
#include "session/port_texts.h"
#include "session/session.h"

void Session::HardwareTest() {
    try {
        ports_ = numberPorts(systemPorts_ ? systemPorts_() : QStringList(),
                             file(QStringLiteral("ports")));
    } catch (const std::exception& e) {
        ports_.clear();
        message(hardwareTestError(QString::fromLocal8Bit(e.what())), QString(), Buttons::Ok,
                Symbol::Critical);
    }
    QStringList numbers;
    int chosen = -1;
    for (int i = 0; i < ports_.size(); ++i) {
        numbers << QString::number(ports_[i].number);
        if (ports_[i].number == settings.PortNumber) chosen = i;
    }
    display.setItems(QStringLiteral("cbCom"), numbers);
    display.setSelection(QStringLiteral("cbCom"), chosen < 0 && !ports_.isEmpty() ? 0 : chosen);
    display.setText(QStringLiteral("lblPortPfad"), ports_.value(qMax(chosen, 0)).path);
}

void Session::openTask(Task t) {
    state.task = t;
    refreshControls();
}

void Session::closeTask() {
    state.task = Task::None;
    state.currentShown = true;
    refreshControls();
}

// The port is opened afresh: a USB adapter that was pulled and plugged in
// again comes back under the same device path, and the old handle is dead.
void Session::connectMeter() {
    if (busy()) return;
    setCountsTimer(false);
    port_.closePort();
    const OpenResult r = port_.openPort();
    if (!r.ok()) {
        reportOpenFailure(r);
        return;
    }
    state.PortOk = true;
    timCheckVerb_->on();
}

void Session::reportOpenFailure(const OpenResult& r) {
    const QString title = texts[textNo::TitlePort];
    switch (r.fault) {
        case PortError::NoPermission: {
            const QString path =
                ports_.isEmpty() ? port_.commPort() : display.text(QStringLiteral("lblPortPfad"));
            message(texts[textNo::PortBusy] + QStringLiteral("\r\n") +
                        missingGroup(language, path, QFileInfo(path).group()),
                    title, Buttons::Ok, Symbol::Critical);
            break;
        }
        case PortError::Busy:
            message(texts[textNo::PortBusy], title, Buttons::Ok, Symbol::Critical);
            break;
        case PortError::NotFound:
            message(texts[textNo::PortInvalid], title, Buttons::Ok, Symbol::Critical);
            break;
        case PortError::AlreadyOpen:
            message(texts[textNo::PortAlreadyOpen], title, Buttons::Ok, Symbol::Information);
            break;
        default:
            message(r.description, QString(), Buttons::Ok, Symbol::Critical);
            break;
    }
    setLamp(color::Grey);
    state.connected = false;
    refreshControls();
}

void Session::readMeterAgain() {
    if (busy() || !linkState.Verbunden) return;
    Operation operation(*this);
    if (EEPromLesen()) decodeAndShow();
}

void Session::fileError(const QString& description, int number) {
    message(description + QStringLiteral("   [Fehlernummer %1]").arg(number),
            QStringLiteral("Fehlerbehandlung"), Buttons::Ok, Symbol::Critical);
}
