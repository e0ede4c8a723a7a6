#pragma once

#include <QProcess>
#include <QStringList>

// Asks a helper process to end, and kills it when it does not.
void endProcess(QProcess& process);

// The simulator executable serving a pseudo-terminal, for tests that use
// the real serial port; stopped when it goes out of scope.
class SimProcess {
public:
    explicit SimProcess(const QStringList& args = {});
    ~SimProcess();
    // The terminal's device path, empty when the simulator did not start.
    QString path() const { return path_; }
    void stop();

private:
    QProcess process_;
    QString path_;
};
