#include "support/sim_prozess.h"

SimProzess::SimProzess(const QStringList& argumente) {
    prozess_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    prozess_.start(QStringLiteral(ORBIS_SIM), argumente);
    if (prozess_.waitForStarted(5000) && prozess_.waitForReadyRead(5000))
        pfad_ = QString::fromLocal8Bit(prozess_.readLine()).trimmed();
}

SimProzess::~SimProzess() {
    beenden();
}

void SimProzess::beenden() {
    if (prozess_.state() == QProcess::NotRunning) return;
    prozess_.terminate();
    if (!prozess_.waitForFinished(5000)) prozess_.kill();
    prozess_.waitForFinished(1000);
}
