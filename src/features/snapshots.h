#pragma once

#include <QByteArray>
#include <QStringList>

#include "features/analog_editor.h"
#include "features/configuration_write.h"
#include "features/device_data.h"
#include "features/password.h"
#include "features/support_points.h"
#include "session/session.h"

// Writing a snapshot back: what it would change, the confirmation, and the
// restore of each part with its own sequence. The snapshots themselves are
// kept by the core before every write.
class Snapshots {
public:
    struct Parts {
        Password& password;
        DeviceData& deviceData;
        SupportPoints& points;
        AnalogEditor& analog;
        ConfigurationWrite& write;
    };
    Snapshots(Session& core, const Parts& parts);

    // What restoring the image (512 bytes) would change, one line a value;
    // whether that touches the curve or the calibration, which the service password guards.
    QStringList restoreChanges(const QByteArray& image);
    bool restoreTouchesService(const QByteArray& image) const;
    // Writes back what differs: the configuration, the support points and the
    // calibration area, each with its own sequence, then holds the meter
    // against the snapshot.
    WriteResult restoreSnapshot(const QByteArray& image);
    // The menu entry: a snapshot chosen, the changes confirmed, then restored.
    void restoreFromMenu();

private:
    WriteResult restoreParts(const QByteArray& image, const MeterParameters& snapshot);
    WriteResult restoreConfiguration(const MeterParameters& snapshot);
    WriteResult restoreCurve(const QByteArray& image, const MeterParameters& snapshot);
    WriteResult restoreRest(const QByteArray& image, int points);

    Session& core_;
    Password& password_;
    DeviceData& deviceData_;
    SupportPoints& points_;
    AnalogEditor& analog_;
    ConfigurationWrite& write_;
};
