#pragma once

#include <QProcess>
#include <QStringList>

// The simulator executable serving a pseudo-terminal, for tests that use
// the real serial port; stopped when it goes out of scope.
class SimProzess {
public:
    explicit SimProzess(const QStringList& argumente = {});
    ~SimProzess();
    // The terminal's device path, empty when the simulator did not start.
    QString pfad() const { return pfad_; }
    void beenden();

private:
    QProcess prozess_;
    QString pfad_;
};
