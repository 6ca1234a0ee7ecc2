#pragma once
// The serial link to an analyser of the NanoVNA family: opens the port at
// 115200 baud, finds the shell's prompt, asks the device who it is ("info",
// else "version"), then measures the sweep segment by segment with "scan",
// or with "sweep", "frequencies" and "data 0" where the firmware has no
// "scan". Everything runs on the port's signals, never blocking; each reply
// has its time-out from its command on, which nothing the device sends
// extends.
//
// It ends in exactly one of finished() or failed(), after which the port is
// closed; cancel() closes it at once and says nothing. No widget here: the
// dialog words the faults.

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <string>
#include <vector>

#include "core/sweep/analyser.h"

namespace zeliro {

class AnalyserLink : public QObject {
    Q_OBJECT
public:
    enum class Fault {
        noPort,       // no port named
        portMissing,  // no such device
        portBusy,     // in use by another program, or not allowed (the dialout group)
        portFailed,   // could not be opened or set up for another reason
        noAnswer,     // nothing within the time-out
        garbage,      // an answer that is not the shell's
        fewerPoints,  // fewer points than asked
        badPoint,     // a point without SWR (|S11| >= 1) or frequencies out of order
        unplugged,    // the device went away in the middle
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
    void setReplyTimeout(int milliseconds) { m_timer.setInterval(milliseconds); }
    void setPointsPerScan(int points) { m_pointsPerScan = points; }

    void start(const Request& request);
    void cancel();
    bool isRunning() const { return m_step != Step::idle; }

signals:
    void progress(int pointsDone, int pointsTotal);
    // device: what the analyser called itself (empty if it did not say).
    void finished(const zeliro::MeasuredSweep& sweep, const QString& device);
    // detail: the port's own error text, or the sentence of a bad point.
    void failed(zeliro::AnalyserLink::Fault fault, const QString& detail);

private:
    enum class Step { idle, prompt, info, version, scan, sweep, frequencies, data };
    enum class ScanCommand { unknown, known, missing };

    void send(Step step, const std::string& command);
    void received();
    void handle(const std::vector<std::string>& reply);
    void identified(const std::vector<std::string>& reply);
    void nextSegment();
    void takeScan(const std::vector<std::string>& reply);
    void takeData(const std::vector<std::string>& reply);
    void takePoints(const std::vector<analyser::S11Point>& points);
    void complete();
    void timedOut();
    void portError(QSerialPort::SerialPortError error);
    void fail(Fault fault, const QString& detail = {});
    void release();

    QSerialPort m_port;
    QTimer m_timer;
    Request m_request;
    int m_pointsPerScan = analyser::pointsPerScan;
    Step m_step = Step::idle;
    ScanCommand m_scan = ScanCommand::unknown;
    std::string m_command;   // the one awaiting its reply
    std::string m_received;  // bytes not yet taken as a reply
    bool m_heardSinceCommand = false;
    std::vector<analyser::Segment> m_segments;
    std::size_t m_segment = 0;
    std::vector<std::string> m_frequencies;  // the reply to "frequencies"
    std::vector<analyser::S11Point> m_points;
    QString m_device;
};

}  // namespace zeliro
