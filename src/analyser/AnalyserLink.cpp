#include "analyser/AnalyserLink.h"

#include <QSerialPortInfo>

#include <algorithm>
#include <utility>

#include "analyser/NanoVnaShell.h"
#include "analyser/NanoVnaV2.h"
#include "analyser/RigExpertAa.h"

namespace zeliro {
namespace {

PortFamily kindOf(const QSerialPortInfo& port) {
    if (!port.hasVendorIdentifier() || !port.hasProductIdentifier()) return PortFamily::unknown;
    const auto is = [&port](quint16 vendor, quint16 product) {
        return port.vendorIdentifier() == vendor && port.productIdentifier() == product;
    };
    if (is(0x0483, 0x5740)) return PortFamily::nanoVna;    // the STM32's USB serial: NanoVNA, tinySA
    if (is(0x04b4, 0x0008)) return PortFamily::nanoVnaV2;  // NanoVNA V2, S-A-A-2, LiteVNA
    if (is(0x0403, 0x6001)) return PortFamily::ftdi;       // FTDI, as in the RigExpert AA
    return PortFamily::unknown;
}

PortFamily kindOfPath(const QString& path) {
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        if (port.systemLocation() == path || port.portName() == path) return kindOf(port);
    return PortFamily::unknown;
}

}  // namespace

QList<PortIdentity> serialPorts() {
    QList<PortIdentity> ports;
    for (const QSerialPortInfo& port : QSerialPortInfo::availablePorts())
        ports.append({port.systemLocation(), kindOf(port)});
    const auto rank = [](PortFamily kind) {
        return kind == PortFamily::unknown ? 4 : static_cast<int>(kind);
    };
    std::stable_sort(ports.begin(), ports.end(), [&rank](const PortIdentity& a, const PortIdentity& b) {
        if (rank(a.family) != rank(b.family)) return rank(a.family) < rank(b.family);
        return a.path < b.path;
    });
    return ports;
}

QString kindName(PortFamily kind) {
    switch (kind) {
        case PortFamily::nanoVna:
            return QStringLiteral("NanoVNA, tinySA");
        case PortFamily::nanoVnaV2:
            return QStringLiteral("NanoVNA V2, LiteVNA");
        case PortFamily::ftdi:
            return QStringLiteral("FTDI, RigExpert AA");
        case PortFamily::unknown:
            break;
    }
    return {};
}

AnalyserLink::AnalyserLink(QObject* parent) : QObject(parent) {
    for (QTimer* timer : {&m_echoTimer, &m_deadline}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &AnalyserLink::timedOut);
    }
    connect(&m_port, &QSerialPort::readyRead, this, &AnalyserLink::received);
    connect(&m_port, &QSerialPort::errorOccurred, this, &AnalyserLink::portError);
}

AnalyserLink::~AnalyserLink() { release(true); }

void AnalyserLink::start(const Request& request) {
    release(true);
    m_request = request;
    m_received.clear();
    m_deviceName.clear();
    const QString path = request.port.trimmed();
    if (path.isEmpty()) return fail(Fault::noPort);
    const PortFamily kind = kindOfPath(path);
    m_untried.clear();
    if (kind == PortFamily::unknown) m_untried = {PortFamily::ftdi, PortFamily::nanoVnaV2};
    m_everEchoed = false;
    // The V2's registers hold 64-bit hertz.
    if (kind != PortFamily::nanoVnaV2 && request.plan.stopHz > analyser::maxShellFrequencyHz)
        return fail(Fault::outOfRange);
    m_port.setPortName(path);
    m_port.setBaudRate(kind == PortFamily::ftdi ? QSerialPort::Baud38400 : QSerialPort::Baud115200);
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
    speak(kind);
}

void AnalyserLink::speak(PortFamily kind) {
    m_port.setBaudRate(kind == PortFamily::ftdi ? QSerialPort::Baud38400 : QSerialPort::Baud115200);
    if (kind == PortFamily::ftdi)
        m_device = std::make_unique<RigExpertAa>(*this);
    else if (kind == PortFamily::nanoVnaV2)
        m_device = std::make_unique<NanoVnaV2>(*this);
    else
        m_device = std::make_unique<NanoVnaShell>(*this);
    m_device->begin();
}

void AnalyserLink::cancel() { release(true); }

void AnalyserLink::release(bool farewell) {
    m_pausing = false;
    m_echoTimer.stop();
    m_deadline.stop();
    if (m_device) {
        if (farewell && m_port.isOpen()) {
            const std::string bytes = m_device->farewell();
            if (!bytes.empty()) {
                m_port.write(bytes.data(), static_cast<qint64>(bytes.size()));
                m_port.flush();
            }
        }
        m_retired = std::move(m_device);
    }
    if (m_port.isOpen()) m_port.close();
}

void AnalyserLink::send(const std::string& bytes, int deadlineMs) {
    m_echoed = false;
    m_heard = false;
    m_pausing = false;
    m_port.write(bytes.data(), static_cast<qint64>(bytes.size()));
    m_echoTimer.start(m_replyTimeoutMs);
    m_deadline.start(std::max(deadlineMs, m_replyTimeoutMs));
}

void AnalyserLink::pause(int milliseconds) {
    m_echoTimer.stop();
    m_pausing = true;
    m_deadline.start(milliseconds);
}

void AnalyserLink::echoed() {
    m_echoed = true;
    m_everEchoed = true;
    m_echoTimer.stop();
}

void AnalyserLink::setProgress(int pointsDone) { emit progress(pointsDone, m_request.plan.points); }

void AnalyserLink::setDevice(const QString& device) {
    m_deviceName = device;
    emit identified(device);
}

void AnalyserLink::received() {
    const QByteArray bytes = m_port.readAll();
    if (!m_device) return;
    // Bytes never extend the command's time: a device that keeps talking
    // without answering is given up all the same.
    if (!bytes.isEmpty()) m_heard = true;
    m_received.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (m_received.size() > analyser::maxReplyBytes) return fail(Fault::garbage);
    m_device->take(m_received);
}

void AnalyserLink::succeed(const std::vector<analyser::S11Point>& points) {
    release(true);
    const SweepReading reading =
        analyser::sweepFromPoints(points, m_request.referenceOhms, m_request.language);
    if (!reading.ok()) {
        emit failed(Fault::badPoint, QString::fromStdString(reading.error.message));
        return;
    }
    emit finished(*reading.sweep, m_deviceName);
}

void AnalyserLink::succeedRaw(const std::vector<analyser::S11Point>& points, int variant) {
    release(true);
    m_raw = points;
    emit rawFinished(variant);
}

void AnalyserLink::timedOut() {
    if (!m_device) return;
    m_echoTimer.stop();
    m_deadline.stop();
    if (std::exchange(m_pausing, false)) return m_device->waited();
    m_device->timedOut(m_echoed, m_heard);
}

void AnalyserLink::portError(QSerialPort::SerialPortError error) {
    if (!m_device || error == QSerialPort::NoError || error == QSerialPort::TimeoutError) return;
    const QString text = m_port.errorString();
    fail(Fault::unplugged, text);
}

void AnalyserLink::fail(Fault fault, const QString& detail) {
    if (!m_untried.empty() && !m_everEchoed && m_port.isOpen() &&
        (fault == Fault::noAnswer || fault == Fault::garbage)) {
        m_echoTimer.stop();
        m_deadline.stop();
        m_retired = std::move(m_device);
        m_received.clear();
        m_port.clear();
        const PortFamily next = m_untried.back();
        m_untried.pop_back();
        return speak(next);
    }
    m_untried.clear();
    release(fault != Fault::unplugged);
    emit failed(fault, detail);
}

}  // namespace zeliro
