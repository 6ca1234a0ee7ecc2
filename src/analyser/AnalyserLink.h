#pragma once
// The serial link to an analyser: opens the port, lets the device of the
// port's kind speak (AnalyserDevice: the NanoVNA text shell at 115200 baud,
// the NanoVNA V2's binary registers, the RigExpert AA's protocol at 38400 on
// an FTDI chip), and keeps its clock. A port of no known USB identity is
// spoken to as a NanoVNA first, then as a NanoVNA V2 and last as a RigExpert
// AA, each when nothing there answered as the one before. Everything runs on the port's signals,
// never blocking. Each command must be echoed within the reply time-out and is answered within its own
// deadline (longer for a long scan); nothing the device sends extends either, so a port that talks without
// answering is given up in time.
//
// It ends in exactly one of finished() or failed(), after which the port is
// closed; cancel() closes it at once and says nothing. A device that can
// still hear is first sent what leaves it as it was found. No widget here:
// the dialog words the faults.

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "core/sweep/analyser.h"
#include "core/sweep/vnav2.h"

namespace zeliro {

class AnalyserDevice;

// What a serial port's USB identity says it probably is.
enum class PortFamily { unknown, nanoVna, nanoVnaV2, ftdi };
struct PortIdentity {
    QString path;
    PortFamily family = PortFamily::unknown;
};
// The serial ports, the analysers' first (0483:5740 the NanoVNA family and the
// tinySA, 04B4:0008 the NanoVNA V2 and LiteVNA, 0403:6001 an FTDI chip as in
// the RigExpert AA), then the others, each in order of its path.
QList<PortIdentity> serialPorts();
// The kind as the port list shows it ("NanoVNA, tinySA"); empty if unknown.
QString kindName(PortFamily kind);

class AnalyserLink : public QObject {
    Q_OBJECT
public:
    enum class Fault {
        noPort,            // no port named
        portMissing,       // no such device
        portBusy,          // in use by another program, or not allowed (the dialout group)
        portFailed,        // could not be opened or set up for another reason
        noAnswer,          // nothing within the time-out
        garbage,           // an answer that is not the shell's
        fewerPoints,       // fewer points than asked
        badPoint,          // a point without SWR (|S11| >= 1) or frequencies out of order
        unplugged,         // the device went away in the middle
        slow,              // the device took the command but did not finish in time
        notVna,            // a spectrum analyser (tinySA) on the same shell
        otherFrequencies,  // the device measured other frequencies than asked
        outOfRange,        // the sweep goes above what the device's shell can name
        notCalibrated,     // a NanoVNA V2 with no calibration of its own spanning the sweep
    };
    Q_ENUM(Fault)

    struct Request {
        QString port;  // a name from the port list, or a device path
        analyser::SweepPlan plan;
        double referenceOhms = 50;
        Language language = Language::italian;  // of the sentence of a bad point
    };

    explicit AnalyserLink(QObject* parent = nullptr);
    ~AnalyserLink() override;

    static constexpr int defaultReplyTimeoutMs = 3000;
    void setReplyTimeout(int milliseconds) { m_replyTimeoutMs = milliseconds; }
    // Points a scan where the device does not say.
    void setPointsPerScan(int points) { m_pointsPerScan = points; }
    // A NanoVNA V2's raw S11 is corrected with the calibration of its variant
    // that spans the sweep (for the next start()).
    void setCalibrations(std::vector<vnav2::Calibration> calibrations) {
        m_calibrations = std::move(calibrations);
    }
    const std::vector<vnav2::Calibration>& calibrations() const { return m_calibrations; }
    // Whether a NanoVNA V2 hands its points over uncorrected (rawFinished()):
    // a calibration's standard.
    void setRaw(bool raw) { m_rawWanted = raw; }
    bool rawWanted() const { return m_rawWanted; }

    void start(const Request& request);
    void cancel();
    bool isRunning() const { return m_device != nullptr; }

    // ---- for the devices ----
    const Request& request() const { return m_request; }
    // Whether `device` is still the one speaking (a call of its own may
    // outlive its turn).
    bool isCurrent(const AnalyserDevice* device) const { return m_device.get() == device; }
    int replyTimeoutMs() const { return m_replyTimeoutMs; }
    int pointsPerScan() const { return m_pointsPerScan; }
    // Sends `bytes`; the device must take them within the reply time-out
    // (echoed()) and answer within `deadlineMs` (at least the time-out).
    void send(const std::string& bytes, int deadlineMs = 0);
    void echoed();
    // Nothing awaited for `milliseconds`; then the device's waited().
    void pause(int milliseconds);
    void setProgress(int pointsDone);
    void setDevice(const QString& device);
    void succeed(const std::vector<analyser::S11Point>& points);
    void succeedRaw(const std::vector<analyser::S11Point>& points, int variant);
    // The points of a raw request, once rawFinished().
    const std::vector<analyser::S11Point>& rawPoints() const { return m_raw; }
    void fail(Fault fault, const QString& detail = {});

signals:
    void progress(int pointsDone, int pointsTotal);
    // The device has said what it is.
    void identified(const QString& device);
    // device: what the analyser called itself (empty if it did not say).
    void finished(const zeliro::MeasuredSweep& sweep, const QString& device);
    // A raw request is done: rawPoints(), from a NanoVNA V2 of this variant.
    void rawFinished(int variant);
    // detail: the port's own error text, the sentence of a bad point, or the
    // kind of device.
    void failed(zeliro::AnalyserLink::Fault fault, const QString& detail);

private:
    void received();
    void timedOut();
    void portError(QSerialPort::SerialPortError error);
    // Lets go of the port; a device that can still hear is first sent its
    // farewell.
    void release(bool farewell);
    void speak(PortFamily kind);

    QSerialPort m_port;
    QTimer m_echoTimer;
    QTimer m_deadline;
    int m_replyTimeoutMs = defaultReplyTimeoutMs;
    int m_pointsPerScan = analyser::pointsPerScan;
    bool m_echoed = false;
    bool m_heard = false;
    bool m_pausing = false;
    bool m_everEchoed = false;
    // A port of no known USB identity: if the NanoVNA shell hears nothing
    // like itself, the V2's protocol is tried, then the RigExpert's.
    std::vector<PortFamily> m_untried;
    std::vector<analyser::S11Point> m_raw;
    std::vector<vnav2::Calibration> m_calibrations;
    bool m_rawWanted = false;
    Request m_request;
    std::unique_ptr<AnalyserDevice> m_device;
    // The device let go of while one of its own calls may still be running.
    std::unique_ptr<AnalyserDevice> m_retired;
    std::string m_received;  // bytes not yet taken as a reply
    QString m_deviceName;
};

}  // namespace zeliro
