#include <QFileInfo>
#include <exception>

#include "session/port_texts.h"
#include "session/session.h"

void Session::HardwareTest() {
    try {
        ports_ = portsNummerieren(systemPorts_ ? systemPorts_() : QStringList(),
                                  file(QStringLiteral("ports")));
    } catch (const std::exception& e) {
        ports_.clear();
        message(hardwaretestFehler(QString::fromLocal8Bit(e.what())), QString(),
                Schaltflaechen::Ok, Symbol::Kritisch);
    }
    // The port list shows the numbers; its value is the number of entries.
    display.setValue(QStringLiteral("cbCom"), int(ports_.size()));
    int chosen = -1;
    for (int i = 0; i < ports_.size(); ++i) {
        display.setItem(QStringLiteral("cbCom"), i, QString::number(ports_[i].nummer));
        if (ports_[i].nummer == settings.Portnummer) chosen = i;
    }
    display.setSelection(QStringLiteral("cbCom"), chosen < 0 && !ports_.isEmpty() ? 0 : chosen);
    display.setText(QStringLiteral("lblPortPfad"), ports_.value(qMax(chosen, 0)).pfad);
}

void Session::choosePort(int index) {
    if (index < 0 || index >= ports_.size()) return;
    const QString number = QString::number(ports_[index].nummer);
    port_.setCommPort(number);
    settings.Portname = QStringLiteral("Com") + number;
    settings.Portnummer = number.toInt();
    display.setSelection(QStringLiteral("cbCom"), index);
    display.setText(QStringLiteral("lblPortPfad"), ports_[index].pfad);
    writeSettings();
}

void Session::chooseParallelPort(int index) {
    settings.Parallelport = index == 0 ? QStringLiteral("LPT1") : QStringLiteral("LPT2");
    writeSettings();
}

void Session::openTask(Task t) {
    state.task = t;
    refreshControls();
}

void Session::openLanguageTask() {
    openTask(Task::Language);
    timCheckVerb_->aus();
}

void Session::closeTask() {
    state.task = Task::None;
    state.currentShown = true;
    refreshControls();
}

void Session::configurePort() {
    if (busy()) return;
    display.setSelection(QStringLiteral("regkor2"), 0);
    HardwareTest();
    openTask(Task::Port);
    timCheckVerb_->aus();
    setCountsTimer(false);
    port_.schliessen();
}

void Session::connectMeter() {
    if (busy()) return;
    setCountsTimer(false);
    if (!port_.portOpen()) port_.oeffnen();
    timCheckVerb_->an();
}

void Session::confirmPort() {
    state.task = Task::None;
    refreshControls();
    port_.setCommPort(QString::number(settings.Portnummer));
    const PortOeffnung r = port_.oeffnen();
    if (!r.ok()) {
        reportOpenFailure(r);
        return;
    }
    state.PortOk = true;
    timCheckVerb_->an();
}

void Session::reportOpenFailure(const PortOeffnung& r) {
    const QString title = texts[textnr::TitelPort];
    switch (r.fehler) {
        case PortFehler::KeineBerechtigung: {
            const QString path = ports_.isEmpty() ? port_.commPort()
                                                  : display.text(QStringLiteral("lblPortPfad"));
            message(texts[textnr::PortBelegt] + QStringLiteral("\r\n") +
                        fehlendeGruppe(language, path, QFileInfo(path).group()),
                    title, Schaltflaechen::Ok, Symbol::Kritisch);
            break;
        }
        case PortFehler::Belegt:
            message(texts[textnr::PortBelegt], title, Schaltflaechen::Ok, Symbol::Kritisch);
            break;
        case PortFehler::NichtVorhanden:
            message(texts[textnr::PortUngueltig], title, Schaltflaechen::Ok, Symbol::Kritisch);
            break;
        case PortFehler::SchonOffen:
            message(texts[textnr::PortSchonOffen], title, Schaltflaechen::Ok, Symbol::Information);
            break;
        default:
            message(r.beschreibung, QString(), Schaltflaechen::Ok, Symbol::Kritisch);
            break;
    }
    setLamp(color::Grey);
    state.connected = false;
    refreshControls();
}
