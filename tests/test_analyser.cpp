// Reading a sweep straight from an analyser: a fake NanoVNA on a
// pseudo-terminal speaks the shell from a synthetic antenna (a series RLC),
// read through the serial link, through the dialog and into the trimming
// window; and every way the link can fail.

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QtTest>

#include <complex>
#include <map>
#include <memory>
#include <numbers>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "analyser/AnalyserLink.h"
#include "core/sweep/vnav2.h"
#include "frame/Registry.h"
#include "testsupport.h"

using namespace zeliro;
using namespace zeliro::test;

namespace {

// A series RLC: 60 ohms at resonance, 7.1 MHz.
constexpr double resonanceHz = 7.1e6;
constexpr double antennaOhms = 60;

std::complex<double> antennaS11(double hertz) {
    const double inductance = 10e-6;
    const double omega = 2 * std::numbers::pi * hertz, omega0 = 2 * std::numbers::pi * resonanceHz;
    const double capacitance = 1 / (omega0 * omega0 * inductance);
    const std::complex<double> z(antennaOhms, omega * inductance - 1 / (omega * capacitance));
    return (z - 50.0) / (z + 50.0);
}

// The shell of a NanoVNA on the master side of a pseudo-terminal: echo,
// reply, prompt; "scan" as the firmware has it, else "sweep" (always of 101
// points), "frequencies" and "data 0".
class FakeAnalyser : public QObject {
public:
    enum class Fault {
        none,
        silent,
        chatty,
        garbage,
        fewerPoints,
        unplug,
        tooSlow,
        tinySA,
        otherFrequencies,
        uncalibrated
    };
    // The D firmware: 401 points a scan and a decimal comma; before 0.7.1:
    // no output mask.
    // The V2: binary registers, raw S11 through an error box.
    enum class Firmware { current, dislord, noOutmask, noScan, rigExpert, v2 };

    FakeAnalyser() {
        char name[128] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) return;
        termios raw{};
        tcgetattr(m_slave, &raw);
        cfmakeraw(&raw);
        tcsetattr(m_slave, TCSANOW, &raw);
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
        path = QString::fromLocal8Bit(name);
        m_reader = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
        m_writer = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Write);
        m_writer->setEnabled(false);
        connect(m_reader.get(), &QSocketNotifier::activated, this, &FakeAnalyser::readable);
        connect(m_writer.get(), &QSocketNotifier::activated, this, &FakeAnalyser::flush);
        // A GPS receiver's sentences, never an answer.
        connect(&m_chatter, &QTimer::timeout, this, [this] {
            m_out += "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
            flush();
        });
    }
    ~FakeAnalyser() override {
        unplug();
        if (m_slave >= 0) ::close(m_slave);
    }

    // May come from inside the reader's own signal: its notifiers go later.
    void unplug() {
        for (auto* notifier : {&m_reader, &m_writer})
            if (*notifier) {
                (*notifier)->setEnabled(false);
                notifier->release()->deleteLater();
            }
        if (m_master >= 0) ::close(m_master);
        m_master = -1;
    }

    QString path;
    Firmware firmware = Firmware::current;
    QByteArray bandwidth = "bandwidth 3 (1000Hz)";
    int scanDelayMs = 0;
    Fault fault = Fault::none;
    // What a V2 has on its port: the antenna, or a calibration standard.
    std::optional<std::complex<double>> standard;
    QStringList heard;

private:
    void readable() {
        char buffer[4096];
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count <= 0) return;
        m_in.append(buffer, count);
        if (firmware == Firmware::v2 && fault != Fault::silent) return answerAsV2();
        for (qsizetype end; (end = m_in.indexOf('\r')) >= 0;) {
            const QByteArray command = m_in.left(end);
            m_in.remove(0, end + 1);
            answer(command);
            if (m_master < 0) return;
        }
    }

    void answer(const QByteArray& command) {
        heard << QString::fromLatin1(command);
        if (fault == Fault::chatty && !m_chatter.isActive()) m_chatter.start(100);
        if (fault == Fault::silent || fault == Fault::chatty) return;
        if (firmware == Firmware::rigExpert) return answerAsRigExpert(command);
        const QList<QByteArray> words = command.split(' ');
        const QByteArray name = words.value(0);
        QByteArray out = command + "\r\n";
        const bool scans = firmware != Firmware::noScan;
        if (name == "info") {
            out += fault == Fault::tinySA ? "tinySA4_v1.4-143\r\n"
                   : firmware == Firmware::dislord
                       ? "Board: FakeVNA\r\nVersion: 0.9 [p:401, IF:12k]\r\n"
                       : "Board: FakeVNA\r\n2024 a test shell\r\nVersion: 0.9\r\n";
        } else if (name == "bandwidth") {
            out += bandwidth + "\r\n";
        } else if (name == "resume") {
        } else if (name == "sweep" && words.size() == 1) {
            out += QByteArray::number(m_start) + " " + QByteArray::number(m_stop) + " " +
                   QByteArray::number(m_points) + "\r\n";
        } else if (name == "scan" && firmware == Firmware::noOutmask && words.size() == 5) {
            out += "usage: scan {start(Hz)} {stop(Hz)} [points]\r\n";
        } else if (name == "scan" && scans && words.size() == 4 + (firmware != Firmware::noOutmask)) {
            if (fault == Fault::unplug && ++m_scans == 2) return unplug();
            setSweep(words);
            if (words.size() == 5) {
                // The echo at once, the points when the scan is done.
                const QByteArray scanned = points(true) + "ch> ";
                QTimer::singleShot(fault == Fault::tooSlow ? 1500 : scanDelayMs, this, [this, scanned] {
                    m_out += scanned;
                    flush();
                });
                m_out += out;
                return flush();
            }
        } else if (name == "sweep" && !scans && words.size() == 4) {
            setSweep(words);
            m_points = 101;
        } else if (name == "frequencies") {
            for (double f : frequencies()) out += QByteArray::number(qint64(f)) + "\r\n";
        } else if (name == "data") {
            out += points(false);
        } else if (!command.isEmpty()) {
            out += name + "?\r\n";
        }
        m_out += out + "ch> ";
        flush();
    }

    // No echo, no prompt: a line, or the points and "OK"; nothing to an Enter.
    void answerAsRigExpert(const QByteArray& command) {
        if (command.isEmpty()) return;
        QByteArray out = "OK\r\n";
        if (command == "VER") out = "AA-55 ZOOM 140\r\n";
        if (command.startsWith("FQ")) m_centre = command.mid(2).toLongLong();
        if (command.startsWith("SW")) m_span = command.mid(2).toLongLong();
        if (command.startsWith("FRX")) {
            out.clear();
            const int steps = command.mid(3).toInt();
            for (int i = 0; i <= steps; ++i) {
                const double f = m_centre - m_span / 2.0 + double(m_span) * i / steps;
                const std::complex<double> s11 = antennaS11(f), z = 50.0 * (1.0 + s11) / (1.0 - s11);
                out += QByteArray::number(f / 1e6, 'f', 6) + "," + QByteArray::number(z.real(), 'f', 2) +
                       "," + QByteArray::number(z.imag(), 'f', 2) + "\r\n";
            }
            out += "OK\r\n";
        }
        m_out += out;
        flush();
    }

    // Whole commands off the front of what came; records from the registers.
    void answerAsV2() {
        static const QByteArray lengths("\x00\x01\x0d\x01\x10\x02\x18\x03\x20\x03\x21\x04\x23\x0a", 14);
        for (;;) {
            const qsizetype at = m_in.isEmpty() ? -1 : lengths.indexOf(m_in[0]);
            if (at < 0 || at % 2 || m_in.size() < lengths[at + 1]) break;
            const quint8 op = quint8(m_in[0]), address = m_in.size() > 1 ? quint8(m_in[1]) : 0;
            quint64 value = 0;
            for (int i = lengths[at + 1] - 1; i >= 2; --i) value = value << 8 | quint8(m_in[i]);
            m_in.remove(0, lengths[at + 1]);
            if (op == 0x0d) heard << "indicate", m_out += '2';
            if (op == 0x10)
                heard << "read " + QString::number(address, 16), m_out += char(m_registers[address]);
            if (op >= 0x20) m_registers[address] = value;
            if (op >= 0x20 && address == 0x30) m_next = 0;
            if (op >= 0x20 && address == 0x20)
                heard << QString("sweep %1 %2 %3").arg(m_registers[0]).arg(m_registers[0x10]).arg(value);
            if (op == 0x18) heard << "fifo " + QString::number(value), m_out += records(int(value));
        }
        flush();
    }

    QByteArray records(int count) {
        QByteArray out;
        const auto add = [&out](qint64 value, int bytes) {
            for (int i = 0; i < bytes; ++i) out += char(quint64(value) >> (8 * i));
        };
        for (; count > 0; --count, m_next = (m_next + 1) % int(m_registers[0x20])) {
            const double f = double(m_registers[0] + m_next * m_registers[0x10]);
            // A skewed box whose tracking turns with frequency.
            const std::complex<double> e00(0.1, -0.04), e11(0.15, 0.2),
                e10e01 = std::polar(0.7, -2 * std::numbers::pi * f * 3e-9),
                g = standard.value_or(antennaS11(f)), forward(3e6, -1e6),
                reflected = forward * (e00 + e10e01 * g / (1.0 - e11 * g));
            for (double part : {forward.real(), forward.imag(), reflected.real(), reflected.imag(), 0.0, 0.0})
                add(std::llround(part), 4);
            add(m_next, 2), add(0, 6);
        }
        return out;
    }

    void setSweep(const QList<QByteArray>& words) {
        m_start = words[1].toLongLong();
        m_stop = words[2].toLongLong();
        m_points = words[3].toInt();
    }

    std::vector<double> frequencies() const {
        std::vector<double> found;
        const int shift = fault == Fault::otherFrequencies ? 50'000 : 0;
        for (int i = 0; i < m_points; ++i)
            found.push_back(shift + m_start +
                            qint64(double(m_stop - m_start) * i / std::max(1, m_points - 1)));
        return found;
    }

    QByteArray points(bool withFrequency) const {
        if (fault == Fault::garbage) return "\x01\x7f 0xDEAD BEEF\r\n";
        std::vector<double> hertz = frequencies();
        if (fault == Fault::fewerPoints) hertz.resize(hertz.size() - 3);
        QByteArray out;
        for (double f : hertz) {
            const std::complex<double> s11 = antennaS11(f);
            if (withFrequency) out += QByteArray::number(qint64(f)) + " ";
            QByteArray pair =
                QByteArray::number(s11.real(), 'f', 9) + " " + QByteArray::number(s11.imag(), 'f', 9);
            out += (firmware == Firmware::dislord ? pair.replace('.', ',') : pair) + "\r\n";
        }
        return out;
    }

    void flush() {
        while (!m_out.isEmpty() && m_master >= 0) {
            const ssize_t written = ::write(m_master, m_out.constData(), m_out.size());
            if (written <= 0) break;
            m_out.remove(0, written);
        }
        if (m_writer) m_writer->setEnabled(!m_out.isEmpty());
    }

    int m_master = -1;
    int m_slave = -1;
    std::unique_ptr<QSocketNotifier> m_reader;
    std::unique_ptr<QSocketNotifier> m_writer;
    QTimer m_chatter;
    QByteArray m_in;
    QByteArray m_out;
    qint64 m_start = 50'000;
    qint64 m_stop = 900'000'000;
    int m_points = 101;
    qint64 m_centre = 0;
    qint64 m_span = 0;
    int m_scans = 0;
    std::map<quint8, quint64> m_registers{{0xf0, 2}, {0xf3, 1}, {0xf4, 3}, {0x20, 101}};
    int m_next = 0;
};

enum class PortKind { none, missing, busy, fake };

}  // namespace

Q_DECLARE_METATYPE(FakeAnalyser::Fault)
Q_DECLARE_METATYPE(FakeAnalyser::Firmware)
Q_DECLARE_METATYPE(PortKind)

class AnalyserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readsTheSweep_data();
    void readsTheSweep();
    void faultsEndInAMessageAndFreeThePort_data();
    void faultsEndInAMessageAndFreeThePort();
    void cancelStopsAtOnce();
    void trimmingTakesTheMinimumFromTheAnalyser();
    void v2CalibratedThroughTheDialogs();
};

void AnalyserTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<MeasuredSweep>();
}

void AnalyserTest::readsTheSweep_data() {
    QTest::addColumn<FakeAnalyser::Firmware>("firmware");
    QTest::addColumn<QByteArray>("bandwidth");
    QTest::addColumn<int>("scanDelayMs");
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("commands");
    using Firmware = FakeAnalyser::Firmware;
    const QByteArray wide = "bandwidth 3 (1000Hz)";
    // Who it is, how fast, its range; at the end its range again, sweeping.
    const QStringList start = {"", "info", "bandwidth", "sweep"},
                      end = {"sweep 50000 900000000 101", "resume"};
    const QString scan = "scan 6390000 7810000 101 3";
    QTest::newRow("scan") << Firmware::current << wide << 0 << 101 << start + QStringList{scan} + end;
    QTest::newRow("a slow scan at a narrow bandwidth")
        << Firmware::current << QByteArray("bandwidth 39") << 2000 << 101 << start + QStringList{scan} + end;
    QTest::newRow("D firmware: 401 points a scan, decimal comma")
        << Firmware::dislord << wide << 0 << 301 << start + QStringList{"scan 6390000 7810000 301 3"} + end;
    QTest::newRow("scan without output mask")
        << Firmware::noOutmask << wide << 0 << 101
        << start + QStringList{scan, "scan 6390000 7810000 101", "frequencies", "data 0"} + end;
    QTest::newRow("sweep, frequencies, data")
        << Firmware::noScan << wide << 0 << 101
        << start + QStringList{scan, "sweep 6390000 7810000 101", "frequencies", "data 0"} + end;
    QTest::newRow("a sweep that keeps 101 points, asked 51")
        << Firmware::noScan << wide << 0 << 51
        << start +
               QStringList{"scan 6390000 7810000 51 3", "sweep 6390000 7810000 51", "frequencies", "data 0"} +
               end;
    const QStringList thirds = {"6390000 6863333 101", "6868067 7336667 100", "7341400 7810000 100"};
    QStringList scans = start, sweeps = start + QStringList{"scan " + thirds[0] + " 3"};
    for (const QString& third : thirds) scans << "scan " + third + " 3";
    // The device's 101 points are seen at the second third, asked again as
    // the start of a sweep of 101.
    for (const QString& third :
         {thirds[0], thirds[1], QString("6868067 7341400 101"), QString("7341400 7814733 101")})
        sweeps << "sweep " + third << "frequencies"
               << "data 0";
    QTest::newRow("segmented scan of 301 points") << Firmware::current << wide << 0 << 301 << scans + end;
    QTest::newRow("segmented sweep of 301 points") << Firmware::noScan << wide << 0 << 301 << sweeps + end;
    QTest::newRow("RigExpert AA, found by its first reply")
        << Firmware::rigExpert << wide << 0 << 101
        << QStringList{"", QString(8, QChar(0)), "VER", "ON", "FQ7100000", "SW1420000", "FRX100", "OFF"};
    // Its "\r" was an "indicate" for it; then the V2's own probe.
    QTest::newRow("NanoVNA V2 through the program's calibration, found by its first reply")
        << Firmware::v2 << wide << 0 << 101
        << QStringList{"indicate", "indicate", "read f0", "read f3", "read f4", "sweep 6390000 14200 101",
                       "fifo 101"};
}

void AnalyserTest::readsTheSweep() {
    QFETCH(FakeAnalyser::Firmware, firmware);
    QFETCH(QByteArray, bandwidth);
    QFETCH(int, scanDelayMs);
    QFETCH(int, points);
    QFETCH(QStringList, commands);
    FakeAnalyser device;
    device.firmware = firmware;
    device.bandwidth = bandwidth;
    device.scanDelayMs = scanDelayMs;
    AnalyserLink link;
    link.setReplyTimeout(1000);
    QSignalSpy finished(&link, &AnalyserLink::finished);
    QSignalSpy failed(&link, &AnalyserLink::failed);
    const bool rigExpert = firmware == FakeAnalyser::Firmware::rigExpert;
    const bool v2 = firmware == FakeAnalyser::Firmware::v2;
    if (v2) {
        // OPEN, SHORT and LOAD raw over the same sweep, as the calibration
        // dialog measures them.
        QSignalSpy raw(&link, &AnalyserLink::rawFinished);
        std::vector<analyser::S11Point> standards[3];
        link.setRaw(true);
        for (int i = 0; i < 3; ++i) {
            device.standard = std::array{1.0, -1.0, 0.0}[i];  // open, short, load
            link.start({device.path, {6'390'000, 7'810'000, points}, 50, Language::italian});
            QVERIFY(raw.wait(15000));
            standards[i] = link.rawPoints();
        }
        link.setRaw(false);
        link.setCalibrations({*vnav2::calibrationOf(2, standards[0], standards[1], standards[2])});
        device.standard.reset();
        device.heard.clear();
    }
    link.start({device.path, {6'390'000, 7'810'000, points}, 50, Language::italian});
    QVERIFY2(finished.wait(15000), failed.isEmpty() ? ""
                                                    : qPrintable(failed.first().at(0).toString() +
                                                                 failed.first().at(1).toString()));
    QCOMPARE(failed.count(), 0);
    QVERIFY(!link.isRunning());
    QVERIFY(waitUntil([&] { return device.heard.size() >= commands.size(); }));
    QCOMPARE(device.heard, commands);

    const auto sweep = finished.first().at(0).value<MeasuredSweep>();
    QCOMPARE(finished.first().at(1).toString(), QString(rigExpert ? "RigExpert AA-55 ZOOM 140"
                                                        : v2      ? "NanoVNA V2 1.3"
                                                                  : "FakeVNA 0.9"));
    QCOMPARE(int(sweep.points.size()), points);
    QCOMPARE(sweep.points.front().frequencyMHz, 6.39);
    QVERIFY(std::abs(sweep.points.back().frequencyMHz - 7.81) <= 1e-6);  // as the device measured it
    // The synthetic antenna: X passes zero at 7.1 MHz, where R is 60 ohms
    // and the SWR 1.2.
    const std::vector<ReactanceZero> zeros = reactanceZeros(sweep);
    QCOMPARE(int(zeros.size()), 1);
    QVERIFY(std::abs(zeros.front().frequencyMHz - 7.1) < 1e-4);
    const std::optional<SwrMinimum> minimum = minimumSwr(sweep);
    QVERIFY(minimum && std::abs(minimum->frequencyMHz - 7.1) < 0.0143);
    QVERIFY(std::abs(minimum->swr - 1.2) < 0.01);
}

void AnalyserTest::faultsEndInAMessageAndFreeThePort_data() {
    QTest::addColumn<PortKind>("port");
    QTest::addColumn<FakeAnalyser::Fault>("fault");
    QTest::addColumn<int>("points");
    QTest::addColumn<AnalyserLink::Fault>("expected");
    using Fake = FakeAnalyser::Fault;
    using Link = AnalyserLink::Fault;
    QTest::newRow("no port") << PortKind::none << Fake::none << 101 << Link::noPort;
    QTest::newRow("no such port") << PortKind::missing << Fake::none << 101 << Link::portMissing;
    QTest::newRow("port held by another program") << PortKind::busy << Fake::none << 101 << Link::portBusy;
    QTest::newRow("no answer") << PortKind::fake << Fake::silent << 101 << Link::noAnswer;
    QTest::newRow("garbage") << PortKind::fake << Fake::garbage << 101 << Link::garbage;
    QTest::newRow("a device that talks but never answers")
        << PortKind::fake << Fake::chatty << 101 << Link::garbage;
    QTest::newRow("fewer points than asked")
        << PortKind::fake << Fake::fewerPoints << 101 << Link::fewerPoints;
    QTest::newRow("unplugged in the middle") << PortKind::fake << Fake::unplug << 301 << Link::unplugged;
    QTest::newRow("a scan slower than its bandwidth") << PortKind::fake << Fake::tooSlow << 101 << Link::slow;
    QTest::newRow("a tinySA") << PortKind::fake << Fake::tinySA << 101 << Link::notVna;
    QTest::newRow("other frequencies than asked")
        << PortKind::fake << Fake::otherFrequencies << 101 << Link::otherFrequencies;
    QTest::newRow("above the shell's 4,29 GHz") << PortKind::fake << Fake::none << 101 << Link::outOfRange;
    QTest::newRow("a NanoVNA V2 not calibrated for the sweep")
        << PortKind::fake << Fake::uncalibrated << 101 << Link::notCalibrated;
}

void AnalyserTest::faultsEndInAMessageAndFreeThePort() {
    QFETCH(PortKind, port);
    QFETCH(FakeAnalyser::Fault, fault);
    QFETCH(int, points);
    QFETCH(AnalyserLink::Fault, expected);
    FakeAnalyser device;
    device.fault = fault;
    if (fault == FakeAnalyser::Fault::uncalibrated) device.firmware = FakeAnalyser::Firmware::v2;
    QSerialPort holder(device.path);
    if (port == PortKind::busy) QVERIFY(holder.open(QIODevice::ReadWrite));
    const QString name = port == PortKind::none      ? QString()
                         : port == PortKind::missing ? QString("/dev/zeliro-no-such-port")
                                                     : device.path;
    AnalyserLink link;
    link.setReplyTimeout(300);
    QSignalSpy finished(&link, &AnalyserLink::finished);
    QSignalSpy failed(&link, &AnalyserLink::failed);
    const qint64 stop = expected == AnalyserLink::Fault::outOfRange ? 4'300'000'000 : 7'810'000;
    link.start({name, {6'390'000, stop, points}, 50, Language::italian});
    QVERIFY(failed.count() == 1 || failed.wait(5000));
    QCOMPARE(failed.first().at(0).value<AnalyserLink::Fault>(), expected);
    QVERIFY(!link.isRunning());
    QTest::qWait(400);  // past another time-out: nothing more comes
    // A device that measured is left as it was found.
    if (!device.heard.filter("scan").isEmpty() && fault != FakeAnalyser::Fault::unplug)
        QCOMPARE(device.heard.mid(device.heard.size() - 2),
                 QStringList({"sweep 50000 900000000 101", "resume"}));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(finished.count(), 0);
    holder.close();
    if (port == PortKind::fake && fault != FakeAnalyser::Fault::unplug) {
        QSerialPort again(device.path);
        QVERIFY2(again.open(QIODevice::ReadWrite), qPrintable(again.errorString()));
    }
}

void AnalyserTest::cancelStopsAtOnce() {
    FakeAnalyser device;
    device.fault = FakeAnalyser::Fault::silent;
    AnalyserLink link;
    QSignalSpy failed(&link, &AnalyserLink::failed);
    link.start({device.path, {6'390'000, 7'810'000, 101}, 50, Language::italian});
    QVERIFY(link.isRunning());
    link.cancel();
    QVERIFY(!link.isRunning());
    QSerialPort again(device.path);
    QVERIFY(again.open(QIODevice::ReadWrite));
    QTest::qWait(100);
    QCOMPARE(failed.count(), 0);
}

void AnalyserTest::trimmingTakesTheMinimumFromTheAnalyser() {
    RecordingBeep beep;
    RecordingPrinter printer;
    startProgram(beep, printer);
    FakeAnalyser device;
    QWidget* trimming = Registry::current().show("frmTARATURA");
    type(trimming, "Text1", "7,1");
    const auto openDialog = [trimming] {
        triggerMenu(trimming, "daanalizzatore");
        return trimming->findChild<QWidget*>("frmANALIZZATORE");
    };
    QWidget* dialog = openDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(textOf(dialog, "inizio"), QString("6,39"));
    QCOMPARE(textOf(dialog, "fine"), QString("7,81"));
    QCOMPARE(textOf(dialog, "punti"), QString("101"));

    // No port: a message, the dialog stays, nothing filled.
    control<QComboBox>(dialog, "porta")->setEditText("");
    click(dialog, "misura");
    QCOMPARE(textOf(dialog, "messaggio"), QString("Scegliere o scrivere la porta dell'analizzatore."));
    QCOMPARE(beep.count, 1);
    // A file that is no serial port: the system's own words, labelled as such.
    control<QComboBox>(dialog, "porta")->setEditText("/dev/null");
    click(dialog, "misura");
    QVERIFY(waitUntil([dialog] { return !dialog->property("running").toBool(); }));
    QVERIFY2(
        textOf(dialog, "messaggio").startsWith("La porta /dev/null non si apre (messaggio del sistema: "),
        qPrintable(textOf(dialog, "messaggio")));

    control<QComboBox>(dialog, "porta")->setEditText(device.path);
    QPointer<QWidget> watched(dialog);
    click(dialog, "misura");
    QVERIFY(waitUntil([watched] { return watched.isNull(); }, 10000));
    QCOMPARE(textOf(trimming, "Text2"), QString("7,1"));
    QCOMPARE(device.heard.filter("scan").size(), 1);

    // The port used is proposed next time.
    dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(control<QComboBox>(dialog, "porta")->currentText(), device.path);
    click(dialog, "annulla");
    QVERIFY(waitUntil([trimming] { return !trimming->findChild<QWidget*>("frmANALIZZATORE"); }));
    stopProgram();
}

void AnalyserTest::v2CalibratedThroughTheDialogs() {
    RecordingBeep beep;
    RecordingPrinter printer;
    startProgram(beep, printer);
    FakeAnalyser device;
    device.firmware = FakeAnalyser::Firmware::v2;
    QWidget* trimming = Registry::current().show("frmTARATURA");
    type(trimming, "Text1", "7,1");
    triggerMenu(trimming, "daanalizzatore");
    QWidget* dialog = trimming->findChild<QWidget*>("frmANALIZZATORE");
    QVERIFY(dialog);
    control<QComboBox>(dialog, "porta")->setEditText(device.path);
    click(dialog, "calibra");
    QPointer<QWidget> calibration = dialog->findChild<QWidget*>("frmCALIBRAZIONE");
    QVERIFY(calibration);
    for (const auto& [name, standard] : {std::pair{"open", 1.0}, {"short", -1.0}, {"load", 0.0}}) {
        QVERIFY(!control<QPushButton>(calibration, "salva")->isEnabled());
        device.standard = standard;
        click(calibration, name);
        QVERIFY(waitUntil([&] { return textOf(calibration, QString("stato_") + name) == "misurato"; }));
    }
    click(calibration, "salva");
    QVERIFY(waitUntil([&] { return calibration.isNull(); }));
    device.standard.reset();
    // Beyond the calibration's range: refused, saying what it spans.
    fill(dialog, {"fine"}, {"7,9"});
    click(dialog, "misura");
    QVERIFY(waitUntil([dialog] { return !dialog->property("running").toBool(); }));
    QVERIFY2(textOf(dialog, "messaggio").startsWith("Nessuna calibrazione del NanoVNA V2 su"),
             qPrintable(textOf(dialog, "messaggio")));
    QVERIFY(textOf(dialog, "messaggio").endsWith(": da 6,39 a 7,81 MHz."));
    fill(dialog, {"fine"}, {"7,81"});
    QPointer<QWidget> watched(dialog);
    click(dialog, "misura");
    QVERIFY(waitUntil([watched] { return watched.isNull(); }, 10000));
    QCOMPARE(textOf(trimming, "Text2"), QString("7,1"));
    stopProgram();
}

ZELIRO_TEST_MAIN(AnalyserTest)
#include "test_analyser.moc"
