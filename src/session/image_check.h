#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVector>

#include "config/language.h"
#include "device/image_fields.h"

// Each field that the meter's image (`held`) holds otherwise than the image
// a write asked for, as one line of the write's verdict; images without the DLE.
QStringList imageDifferences(Language s, const QVector<imageFields::Field>& fields,
                             const QByteArray& asked, const QByteArray& held);
