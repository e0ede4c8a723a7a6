#pragma once

#include <QString>
#include <QStringList>

#include "config/language.h"

// Status texts of the start-up, the live values and the configuration write.
namespace startTexts {

QString connectionOk(Language s);
QString pleaseWait(Language s);
QString initialized(Language s);
QString undervoltage(Language s);
// In place of the live values while polling is off: they are not the meter's now.
QString livePaused(Language s);

// Beside the progress bar of a long operation: the seconds left, or that the
// meter restarts.
QString secondsLeft(Language s, int seconds);
QString meterRestarting(Language s);

// The configuration write.
QString writing(Language s);
QString writeDone(Language s);
QString writeDiffers(Language s, const QStringList& parameters);
// One value a write asked for that the meter read back does not hold.
QString difference(Language s, const QString& name, const QString& asked, const QString& held);
QString writeNotConfirmed(Language s);  // the title of the message that lists them
extern const char* const CheckData;     // the meter did not come back; German only

// A recording and its file, and the one the broken link interrupted.
QString recordingTo(Language s, const QString& file);
QString recordingInterrupted(Language s, const QString& file);
QString recordingResumed(Language s, const QString& file);

// The cold start speaks German only.
extern const char* const WaitTime10;
extern const char* const ColdStart1;
extern const char* const ColdStart2;

}  // namespace startTexts
