#pragma once
// The program's own calibrations of NanoVNA V2 devices, kept in the
// settings: one a device and variant, the device known by its USB serial
// number (else by its port), with the date it was made; its range is that of
// its points.

#include <QDateTime>
#include <QSettings>
#include <QString>

#include <optional>
#include <vector>

#include "core/sweep/vnav2.h"

namespace zeliro {

// How the settings know the device on `port`.
QString deviceKey(const QString& port);

struct StoredCalibration {
    vnav2::Calibration calibration;
    QDateTime made;
};
// Every calibration kept for the device, whatever its variant; one that no
// longer reads is left out.
std::vector<StoredCalibration> storedCalibrations(QSettings& settings, const QString& device);
// Keeps it, in place of the one of the same variant.
void storeCalibration(QSettings& settings, const QString& device, const StoredCalibration& stored);

}  // namespace zeliro
