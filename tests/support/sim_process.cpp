#include "support/sim_process.h"

SimProcess::SimProcess(const QStringList& args) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(ORBIS_SIM), args);
    if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000))
        path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimProcess::~SimProcess() {
    stop();
}

void endProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    process.terminate();
    if (!process.waitForFinished(5000)) process.kill();
    process.waitForFinished(1000);
}

void SimProcess::stop() {
    endProcess(process_);
}
