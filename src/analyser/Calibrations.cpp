#include "analyser/Calibrations.h"

#include <QSerialPortInfo>

namespace zeliro {
namespace {

// A group of its own for each device: the settings' separators taken out.
QString groupOf(const QString& device) {
    QString name = device;
    name.replace('/', '_').replace('\\', '_');
    return QStringLiteral("calibrazioni_v2/") + name;
}

}  // namespace

QString deviceKey(const QString& port) {
    const QString path = port.trimmed();
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if ((info.systemLocation() == path || info.portName() == path) && !info.serialNumber().isEmpty())
            return QStringLiteral("usb ") + info.serialNumber();
    return path;
}

std::vector<StoredCalibration> storedCalibrations(QSettings& settings, const QString& device) {
    std::vector<StoredCalibration> found;
    settings.beginGroup(groupOf(device));
    for (const QString& variant : settings.childGroups()) {
        bool number = false;
        const int value = variant.toInt(&number);
        const QString data = settings.value(variant + "/punti").toString();
        const auto calibration = vnav2::readCalibrationText(data.toStdString(), value);
        if (number && calibration)
            found.push_back({*calibration, settings.value(variant + "/data").toDateTime()});
    }
    settings.endGroup();
    return found;
}

void storeCalibration(QSettings& settings, const QString& device, const StoredCalibration& stored) {
    settings.beginGroup(groupOf(device) + "/" + QString::number(stored.calibration.variant));
    settings.setValue("data", stored.made);
    // The range and the points' count for a reader of the settings; the
    // points themselves are what counts.
    settings.setValue("inizio_hz", stored.calibration.frequenciesHz.front());
    settings.setValue("fine_hz", stored.calibration.frequenciesHz.back());
    settings.setValue("punti", QString::fromStdString(vnav2::calibrationText(stored.calibration)));
    settings.endGroup();
}

}  // namespace zeliro
