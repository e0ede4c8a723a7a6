#pragma once

#include <QByteArray>
#include <QString>

// Text of an error code the meter reports to the status query; empty for
// codes without a meaning, 0 included.
QString meterErrorText(int code);

// Describes a calibration reply for the log: the label, then the reply in words.
QString AntwortText(const QString& label, const QByteArray& reply);
