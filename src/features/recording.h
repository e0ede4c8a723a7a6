#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "features/recording_state.h"
#include "files/measurement_log.h"
#include "session/session.h"

// Measured-data logging: the warning, the dialog's fields and buttons, and
// recording on and off. Recording goes on while the dialog is closed; it
// writes the last measured value the core showed and never asks the meter.
class Recording {
public:
    explicit Recording(Session& core);

    LoggingState logging;
    void startLoggingFromMenu();
    void openLoggingDialog();
    void closeLoggingDialog();
    void chooseLogFolder(const QString& path);
    QString logNameTyped(QString text);
    QString logIntervalTyped(QString text);
    void stepInterval(bool up);
    void switchLogging(bool on);
    const MeasurementLog& measurementLog() const { return log_; }
    Timer& TimMdsave() { return *timMdsave_; }
    // Told of what the recording has to say beside the trend: its file, its
    // interruption, or nothing once it is off.
    void onLoggingChanged(std::function<void(const QString&)> f) { loggingChanged_ = std::move(f); }

private:
    void intervalLimitMessage(bool upper);
    void setInterval(double seconds);
    void stopLogging();
    void timMdsaveTick();
    void announceRecording(const QString& note);
    void recordingInterrupted();
    void recordingResumed();
    void reconnectForRecording();
    void showLogFile();
    void moveLog();
    void logFailure(MeasurementLog::Result r);

    Session& core_;
    DisplayModel& display;
    std::unique_ptr<Timer> timMdsave_;
    MeasurementLog log_;
    bool dialogShown_ = false;
    std::function<void(const QString&)> loggingChanged_;
};
