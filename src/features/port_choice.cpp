#include <QFileInfo>
#include <exception>

#include "features/port_choice.h"
#include "session/port_texts.h"

PortChoice::PortChoice(Session& core) : core_(core) {}

void PortChoice::choosePort(int index) {
    if (index < 0 || index >= core_.ports().size()) return;
    const QString number = QString::number(core_.ports()[index].number);
    core_.port().setCommPort(number);
    core_.settings.PortName = QStringLiteral("Com") + number;
    core_.settings.PortNumber = number.toInt();
    core_.display.setSelection(QStringLiteral("cbCom"), index);
    core_.display.setText(QStringLiteral("lblPortPfad"), core_.ports()[index].path);
    core_.writeSettings();
}

void PortChoice::chooseParallelPort(int index) {
    core_.settings.ParallelPort = index == 0 ? QStringLiteral("LPT1") : QStringLiteral("LPT2");
    core_.writeSettings();
}

void PortChoice::configurePort() {
    if (core_.busy()) return;
    core_.display.setSelection(QStringLiteral("regkor2"), page::Overview);
    core_.HardwareTest();
    core_.openTask(Task::Port);
    core_.TimCheckVerb().off();
    core_.setCountsTimer(false);
    core_.port().closePort();
}

// OK opens the port the frame shows. The list may show a port the settings
// do not name yet (none configured, or the configured one is gone), so the
// shown one becomes the chosen one; with an empty list the configured one is
// all there is, and without that there is no port to open.
void PortChoice::confirmPort() {
    core_.state.task = Task::None;
    core_.refreshControls();
    const int shown = core_.display.selection(QStringLiteral("cbCom"));
    if (shown >= 0 && shown < core_.ports().size() &&
        core_.ports()[shown].number != core_.settings.PortNumber)
        choosePort(shown);
    if (core_.settings.PortNumber <= 0) {
        core_.reportOpenFailure({PortError::NotFound, QString()});
        return;
    }
    core_.port().setCommPort(QString::number(core_.settings.PortNumber));
    const OpenResult r = core_.port().openPort();
    if (!r.ok()) {
        core_.reportOpenFailure(r);
        return;
    }
    core_.state.PortOk = true;
    core_.TimCheckVerb().on();
}
