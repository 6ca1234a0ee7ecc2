#include "analyser/AnalyserLink.h"

namespace zeliro {

using analyser::isUnknownCommand;

AnalyserLink::AnalyserLink(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(defaultReplyTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &AnalyserLink::timedOut);
    connect(&m_port, &QSerialPort::readyRead, this, &AnalyserLink::received);
    connect(&m_port, &QSerialPort::errorOccurred, this, &AnalyserLink::portError);
}

AnalyserLink::~AnalyserLink() { release(); }

void AnalyserLink::start(const Request& request) {
    release();
    m_request = request;
    m_scan = ScanCommand::unknown;
    m_received.clear();
    m_points.clear();
    m_device.clear();
    m_segment = 0;
    m_segments = analyser::segmentsOf(request.plan, m_pointsPerScan);
    if (request.port.trimmed().isEmpty()) return fail(Fault::noPort);
    m_port.setPortName(request.port.trimmed());
    m_port.setBaudRate(QSerialPort::Baud115200);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = m_port.error();
        const QString text = m_port.errorString();
        m_port.clearError();
        if (error == QSerialPort::DeviceNotFoundError) return fail(Fault::portMissing, text);
        if (error == QSerialPort::PermissionError) return fail(Fault::portBusy, text);
        return fail(Fault::portFailed, text);
    }
    emit progress(0, request.plan.points);
    // An Enter first: whatever the device had on its line ends in a prompt.
    send(Step::prompt, {});
}

void AnalyserLink::cancel() { release(); }

void AnalyserLink::release() {
    m_timer.stop();
    m_step = Step::idle;
    if (m_port.isOpen()) m_port.close();
}

void AnalyserLink::send(Step step, const std::string& command) {
    m_step = step;
    m_command = command;
    m_heardSinceCommand = false;
    m_port.write(QByteArray::fromStdString(command + "\r"));
    m_timer.start();
}

void AnalyserLink::received() {
    const QByteArray bytes = m_port.readAll();
    if (m_step == Step::idle) return;
    // Bytes never extend the command's time: a device that keeps talking
    // without answering is given up all the same.
    if (!bytes.isEmpty()) m_heardSinceCommand = true;
    m_received.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (m_received.size() > analyser::maxReplyBytes) return fail(Fault::garbage);
    // Each reply handled may send the next command and so change m_command.
    while (m_step != Step::idle) {
        const auto reply = analyser::takeReply(m_received, m_command);
        if (!reply) return;
        handle(*reply);
    }
}

void AnalyserLink::handle(const std::vector<std::string>& reply) {
    switch (m_step) {
        case Step::prompt:
            return send(Step::info, "info");
        case Step::info:
            if (isUnknownCommand(reply, m_command)) return send(Step::version, "version");
            return identified(reply);
        case Step::version:
            return identified(isUnknownCommand(reply, m_command) ? std::vector<std::string>{} : reply);
        case Step::scan:
            return takeScan(reply);
        case Step::sweep:
            if (isUnknownCommand(reply, m_command)) return fail(Fault::garbage);
            return send(Step::frequencies, "frequencies");
        case Step::frequencies:
            m_frequencies = reply;
            return send(Step::data, "data 0");
        case Step::data:
            return takeData(reply);
        case Step::idle:
            return;
    }
}

void AnalyserLink::identified(const std::vector<std::string>& reply) {
    m_device = QString::fromStdString(analyser::deviceName(reply));
    nextSegment();
}

void AnalyserLink::nextSegment() {
    if (m_segment == m_segments.size()) return complete();
    const analyser::Segment& segment = m_segments[m_segment];
    if (m_scan == ScanCommand::missing) return send(Step::sweep, analyser::sweepCommand(segment));
    send(Step::scan, analyser::scanCommand(segment));
}

void AnalyserLink::takeScan(const std::vector<std::string>& reply) {
    // A firmware without "scan", or one whose "scan" prints nothing, is
    // asked the older way.
    if (m_scan == ScanCommand::unknown && (reply.empty() || isUnknownCommand(reply, m_command))) {
        m_scan = ScanCommand::missing;
        return nextSegment();
    }
    const auto points = analyser::readScan(reply);
    if (!points) return fail(Fault::garbage);
    m_scan = ScanCommand::known;
    takePoints(*points);
}

void AnalyserLink::takeData(const std::vector<std::string>& reply) {
    const std::size_t wanted = static_cast<std::size_t>(m_segments[m_segment].points);
    if (std::min(reply.size(), m_frequencies.size()) < wanted) return fail(Fault::fewerPoints);
    const auto points = analyser::readFrequenciesAndData(m_frequencies, reply);
    if (!points) return fail(Fault::garbage);
    takePoints(*points);
}

void AnalyserLink::takePoints(const std::vector<analyser::S11Point>& points) {
    const std::size_t wanted = static_cast<std::size_t>(m_segments[m_segment].points);
    if (points.size() < wanted) return fail(Fault::fewerPoints);
    if (points.size() > wanted) return fail(Fault::garbage);
    m_points.insert(m_points.end(), points.begin(), points.end());
    ++m_segment;
    emit progress(static_cast<int>(m_points.size()), m_request.plan.points);
    nextSegment();
}

void AnalyserLink::complete() {
    release();
    const SweepReading reading =
        analyser::sweepFromPoints(m_points, m_request.referenceOhms, m_request.language);
    if (!reading.ok()) return fail(Fault::badPoint, QString::fromStdString(reading.error.message));
    emit finished(*reading.sweep, m_device);
}

void AnalyserLink::timedOut() {
    if (m_step == Step::idle) return;
    // Something came, but never the prompt after the command's echo.
    fail(m_heardSinceCommand ? Fault::garbage : Fault::noAnswer);
}

void AnalyserLink::portError(QSerialPort::SerialPortError error) {
    if (m_step == Step::idle || error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return;
    const QString text = m_port.errorString();
    fail(Fault::unplugged, text);
}

void AnalyserLink::fail(Fault fault, const QString& detail) {
    release();
    emit failed(fault, detail);
}

}  // namespace zeliro
