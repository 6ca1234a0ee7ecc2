// The analyser's shell replies, the cutting of a long sweep into scans, S11
// into R, X and SWR, and the Touchstone text written back.
#include <QTest>

#include <sstream>

#include "core/sweep/analyser.h"
#include "core/sweep/vnav2.h"

using namespace zeliro;
using namespace zeliro::analyser;

Q_DECLARE_METATYPE(zeliro::analyser::PlanProblem)
Q_DECLARE_METATYPE(std::complex<double>)

class CoreAnalyser : public QObject {
    Q_OBJECT
private slots:
    void readsThePlan_data();
    void readsThePlan();
    void segmentsJoinIntoThePlan_data();
    void segmentsJoinIntoThePlan();
    void takesTheReplyToItsCommand_data();
    void takesTheReplyToItsCommand();
    void knowsTheDevice_data();
    void knowsTheDevice();
    void s11BecomesImpedanceAndSwr();
    void touchstoneReadsBack();
    void writesTheSource();
    void calibrationGivesBackTheLoad_data();
    void calibrationGivesBackTheLoad();
};

void CoreAnalyser::readsThePlan_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QString>("points");
    QTest::addColumn<PlanProblem>("problem");
    QTest::newRow("a sweep around 7,1 MHz") << "6,39"
                                            << "7,81"
                                            << "101" << PlanProblem::none;
    QTest::newRow("no start") << ""
                              << "7,81"
                              << "101" << PlanProblem::noRange;
    QTest::newRow("a zero start") << "0"
                                  << "7,81"
                                  << "101" << PlanProblem::noRange;
    QTest::newRow("stop below start") << "7,81"
                                      << "6,39"
                                      << "101" << PlanProblem::stopNotAboveStart;
    QTest::newRow("one point") << "6,39"
                               << "7,81"
                               << "1" << PlanProblem::tooFewPoints;
    QTest::newRow("half a point") << "6,39"
                                  << "7,81"
                                  << "100,5" << PlanProblem::tooFewPoints;
    QTest::newRow("too many points") << "6,39"
                                     << "7,81"
                                     << "10001" << PlanProblem::tooManyPoints;
    QTest::newRow("more points than hertz") << "7"
                                            << "7,000001"
                                            << "3" << PlanProblem::tooManyPoints;
}

void CoreAnalyser::readsThePlan() {
    QFETCH(QString, start);
    QFETCH(QString, stop);
    QFETCH(QString, points);
    QFETCH(PlanProblem, problem);
    const std::string a = start.toStdString(), b = stop.toStdString(), n = points.toStdString();
    const PlanReading reading = readPlan({a, b, n, Language::italian});
    QCOMPARE(reading.problem, problem);
    if (problem == PlanProblem::none) {
        QCOMPARE(reading.plan.startHz, 6'390'000);
        QCOMPARE(reading.plan.stopHz, 7'810'000);
        QCOMPARE(reading.plan.points, 101);
    }
}

void CoreAnalyser::segmentsJoinIntoThePlan_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("one scan") << 101 << QList<int>{101};
    QTest::newRow("one point over") << 102 << QList<int>{51, 51};
    QTest::newRow("three scans") << 301 << QList<int>{101, 100, 100};
    QTest::newRow("two points") << 2 << QList<int>{2};
}

void CoreAnalyser::segmentsJoinIntoThePlan() {
    QFETCH(int, points);
    QFETCH(QList<int>, sizes);
    const SweepPlan plan{6'390'000, 7'810'001, points};
    const std::vector<Segment> segments = segmentsOf(plan);
    QCOMPARE(int(segments.size()), int(sizes.size()));
    // The device spreads a segment's points evenly from its start to its stop;
    // joined, they must be the plan's own points.
    int index = 0;
    for (std::size_t s = 0; s < segments.size(); ++s) {
        const Segment& segment = segments[s];
        QCOMPARE(segment.points, sizes[int(s)]);
        for (int i = 0; i < segment.points; ++i, ++index) {
            const double device = segment.startHz + double(segment.stopHz - segment.startHz) * i /
                                                        std::max(1, segment.points - 1);
            const double wanted = plan.startHz + double(plan.stopHz - plan.startHz) * index / (points - 1);
            QVERIFY2(std::abs(device - wanted) <= 1, qPrintable(QString::number(index)));
        }
    }
    QCOMPARE(index, points);
    QCOMPARE(segments.back().stopHz, plan.stopHz);
}

void CoreAnalyser::takesTheReplyToItsCommand_data() {
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("reply");  // "-" for no reply yet
    QTest::addColumn<QString>("left");
    QTest::newRow("no prompt yet") << "info\r\nBoard: NanoVNA-H\r\n"
                                   << "info" << QStringList{"-"} << "info\r\nBoard: NanoVNA-H\r\n";
    QTest::newRow("a greeting's prompt first") << "\r\nNanoVNA Shell\r\nch> info\r\nv1\r\nch> "
                                               << "info" << QStringList{"v1"} << "";
    QTest::newRow("the next reply stays") << "data 0\r\n0.1 0.2\r\n\r\nch> frequencies\r\n"
                                          << "data 0" << QStringList{"0.1 0.2"} << "frequencies\r\n";
    QTest::newRow("an Enter to find the prompt") << "\r\nch> "
                                                 << "" << QStringList{} << "";
}

void CoreAnalyser::takesTheReplyToItsCommand() {
    QFETCH(QString, received);
    QFETCH(QString, command);
    QFETCH(QStringList, reply);
    QFETCH(QString, left);
    std::string buffer = received.toStdString();
    const auto taken = takeReply(buffer, command.toStdString());
    QCOMPARE(taken.has_value(), reply != QStringList{"-"});
    if (taken) {
        QStringList lines;
        for (const std::string& line : *taken) lines << QString::fromStdString(line);
        QCOMPARE(lines, reply);
    }
    QCOMPARE(QString::fromStdString(buffer), left);
}

void CoreAnalyser::knowsTheDevice_data() {
    QTest::addColumn<QStringList>("info");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointsPerScan");
    QTest::addColumn<bool>("spectrumAnalyser");
    QTest::newRow("the original: its board on a bare first line")
        << QStringList{"NanoVNA", "2016-2019 Copyright @edy555", "Version: 0.2.3-2"} << "NanoVNA 0.2.3-2" << 0
        << false;
    QTest::newRow("the D firmware: its points a scan after the version")
        << QStringList{"Board: NanoVNA-H 4", "Version: 1.2.27 [p:401, IF:12k, ADC:384k, Lcd:480x320]"}
        << "NanoVNA-H 4 1.2.27" << 401 << false;
    QTest::newRow("a tinySA") << QStringList{"tinySA4_v1.4-143-g864bb27", "HW Version:V0.4.5.1"}
                              << "tinySA4_v1.4-143-g864bb27" << 0 << true;
}

void CoreAnalyser::knowsTheDevice() {
    QFETCH(QStringList, info);
    QFETCH(QString, name);
    QFETCH(int, pointsPerScan);
    QFETCH(bool, spectrumAnalyser);
    std::vector<std::string> reply;
    for (const QString& line : info) reply.push_back(line.toStdString());
    const DeviceInfo device = readInfo(reply);
    QCOMPARE(QString::fromStdString(device.name), name);
    QCOMPARE(device.pointsPerScan, pointsPerScan);
    QCOMPARE(device.spectrumAnalyser, spectrumAnalyser);
}

void CoreAnalyser::s11BecomesImpedanceAndSwr() {
    // Z = 25 + j50 on 50 ohms: gamma = (Z - 50) / (Z + 50) = (-25 + j50) / (75 + j50).
    const std::complex<double> gamma = std::complex(-25.0, 50.0) / std::complex(75.0, 50.0);
    const SweepReading reading = sweepFromPoints({{7'000'000, gamma}, {7'100'000, 0}}, 50);
    QVERIFY(reading.ok());
    QCOMPARE(reading.sweep->points[0].frequencyMHz, 7.0);
    QCOMPARE(reading.sweep->points[0].resistance, 25.0);
    QCOMPARE(reading.sweep->points[0].reactance, 50.0);
    QCOMPARE(reading.sweep->points[0].swr, (1 + std::abs(gamma)) / (1 - std::abs(gamma)));
    QCOMPARE(reading.sweep->points[1].swr, 1.0);
    // A badly calibrated device can give |S11| >= 1, or a segment can repeat a
    // frequency: refused, naming the point, as a file would be.
    const SweepReading open = sweepFromPoints({{7'000'000, 0}, {7'100'000, {1.02, 0}}}, 50);
    QVERIFY(!open.ok());
    QCOMPARE(open.error.problem, SweepProblem::noSwr);
    QVERIFY(open.error.message.find("2") != std::string::npos);
    QCOMPARE(sweepFromPoints({{7'000'000, 0}, {7'000'000, 0}}, 50).error.problem,
             SweepProblem::frequencyNotRising);
    QCOMPARE(sweepFromPoints({}, 50).error.problem, SweepProblem::empty);
}

void CoreAnalyser::touchstoneReadsBack() {
    MeasuredSweep sweep;
    sweep.impedanceKnown = true;
    sweep.points = {{7.0, 0, 36.6, -12.25}, {7.05, 0, 49.9, 0.3}, {7.123456789, 0, 80.125, 44}};
    for (SweepPoint& point : sweep.points) {
        const double g = std::abs((std::complex(point.resistance, point.reactance) - 50.0) /
                                  (std::complex(point.resistance, point.reactance) + 50.0));
        point.swr = (1 + g) / (1 - g);
    }
    const TouchstoneText written = touchstoneText({&sweep, {"analizzatore /dev/ttyACM0, 3 punti"}});
    QVERIFY(written.written);
    QVERIFY(written.text.starts_with("! analizzatore /dev/ttyACM0, 3 punti\n# MHz S RI R 50\n7 "));
    std::istringstream in(written.text);
    const SweepReading back = readSweep(in, "misura.s1p");
    QVERIFY2(back.ok(), back.error.message.c_str());
    QCOMPARE(back.sweep->points.size(), sweep.points.size());
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        QCOMPARE(back.sweep->points[i].frequencyMHz, sweep.points[i].frequencyMHz);
        QVERIFY(std::abs(back.sweep->points[i].resistance - sweep.points[i].resistance) < 1e-9);
        QVERIFY(std::abs(back.sweep->points[i].reactance - sweep.points[i].reactance) < 1e-9);
        QVERIFY(std::abs(back.sweep->points[i].swr - sweep.points[i].swr) < 1e-9);
    }
    // SWR alone has no phase to write; nothing at all writes nothing.
    sweep.impedanceKnown = false;
    QVERIFY(!touchstoneText({&sweep, {}}).written);
    QVERIFY(!touchstoneText({nullptr, {}}).written);
}

void CoreAnalyser::writesTheSource() {
    QCOMPARE(sourceText("/dev/ttyACM0", 101, "", Language::italian),
             std::string("analizzatore /dev/ttyACM0, 101 punti"));
    QCOMPARE(sourceText("/dev/ttyACM0", 301, "NanoVNA-H 1.0.45", Language::english),
             std::string("analyser /dev/ttyACM0, 301 points (NanoVNA-H 1.0.45)"));
}

void CoreAnalyser::calibrationGivesBackTheLoad_data() {
    QTest::addColumn<std::complex<double>>("e00");
    QTest::addColumn<std::complex<double>>("e11");
    QTest::addColumn<std::complex<double>>("e10e01");
    QTest::addColumn<double>("hertz");
    QTest::addColumn<bool>("corrects");  // false: refused
    using C = std::complex<double>;
    QTest::newRow("ideal box") << C(0) << C(0) << C(1) << 7e6 << true;
    QTest::newRow("skewed box") << C(0.12, -0.05) << C(0.2, 0.15) << C(0.4, -0.6) << 7e6 << true;
    QTest::newRow("skewed box between two points")
        << C(-0.3, 0.1) << C(-0.25, 0.3) << C(0.02, 0.05) << 15.5e6 << true;
    QTest::newRow("at the calibration's end") << C(0.1) << C(0.1) << C(0.9) << 30e6 << true;
    QTest::newRow("below the calibration") << C(0) << C(0) << C(1) << 0.9e6 << false;
    QTest::newRow("above the calibration") << C(0) << C(0) << C(1) << 30.1e6 << false;
    QTest::newRow("open and short read alike") << C(0.1) << C(0.2) << C(0) << 7e6 << false;
}

void CoreAnalyser::calibrationGivesBackTheLoad() {
    QFETCH(std::complex<double>, e00);
    QFETCH(std::complex<double>, e11);
    QFETCH(std::complex<double>, e10e01);
    QFETCH(double, hertz);
    QFETCH(bool, corrects);
    // What the device reads through the box of a load of reflection g.
    const auto read = [&](std::complex<double> g) { return e00 + e10e01 * g / (1.0 - e11 * g); };
    std::vector<S11Point> open, shortCircuit, load;
    for (double f : {1e6, 10e6, 30e6}) {
        open.push_back({f, read(1.0)});
        shortCircuit.push_back({f, read(-1.0)});
        load.push_back({f, read(0.0)});
    }
    const auto made = vnav2::calibrationOf(2, open, shortCircuit, load);
    QVERIFY(made);
    // Kept as text and read back, as the settings do.
    const auto calibration = vnav2::readCalibrationText(vnav2::calibrationText(*made), 2);
    QVERIFY(calibration);
    for (const std::complex<double> g :
         {std::complex(0.3, -0.2), std::complex(0.0), std::complex(-0.9, 0.1)}) {
        const auto points = vnav2::corrected(*calibration, {{hertz, read(g)}});
        QCOMPARE(bool(points), corrects);
        if (points) QVERIFY2(std::abs(points->front().s11 - g) < 1e-12, qPrintable(QString::number(hertz)));
    }
}

QTEST_APPLESS_MAIN(CoreAnalyser)
#include "test_core_analyser.moc"
