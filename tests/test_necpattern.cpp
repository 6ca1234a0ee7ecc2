// How a model radiates, without a window: nec2c's pattern reports (stored,
// made by the real engine) to cuts, cuts to peak gain, take-off angle and
// beamwidth, the height study's runs and table; and the figures against the
// real engine (skipped where nec2c is not installed).
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

#include "core/nec/pattern.h"
#include "core/nec/texts.h"

using namespace zeliro::nec;
using zeliro::Language;

Q_DECLARE_METATYPE(Ground)
Q_DECLARE_METATYPE(CutKind)
Q_DECLARE_METATYPE(ModelOptions)

namespace {

QByteArray report(const char* name) {
    QFile file(QStringLiteral(NEC_TEST_DATA "/%1").arg(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing test data %s", name);
    return file.readAll();
}

// nec2c's report of a deck; empty without nec2c.
std::string runEngine(const std::string& deckText) {
    const QString engine = QStandardPaths::findExecutable("nec2c");
    QTemporaryDir dir;
    QFile deck(dir.filePath("deck.nec"));
    if (engine.isEmpty() || !deck.open(QIODevice::WriteOnly)) return {};
    deck.write(QByteArray::fromStdString(deckText));
    deck.close();
    QProcess::execute(engine, {"-i", deck.fileName(), "-o", dir.filePath("out.txt")});
    QFile out(dir.filePath("out.txt"));
    return out.open(QIODevice::ReadOnly) ? out.readAll().toStdString() : std::string();
}

ModelOptions over(Ground ground, double heightM = 10) {
    ModelOptions o;
    o.ground = ground;
    o.heightM = heightM;
    return o;
}

// A cut whose gain falls as the square of the distance from its peak.
CutResult parabolicCut(CutKind kind, double peakAngle, double peakGain, double fall) {
    CutResult cut{{kind, 0}, {}};
    const int n = cutPoints(kind);
    for (int i = 0; i < n; ++i) {
        double d = std::abs(i - peakAngle);
        if (kind != CutKind::elevation) d = std::min(d, 360 - d);
        cut.points.push_back({double(i), peakGain - fall * d * d});
    }
    return cut;
}

}  // namespace

class NecPattern : public QObject {
    Q_OBJECT
private slots:
    void readsStoredReports_data();
    void readsStoredReports();
    void figuresAndTexts_data();
    void figuresAndTexts();
    void heightStudyRunsAndTable();
    void quadrantGivesTheCuts();
    void againstTheEngine_data();
    void againstTheEngine();
};

void NecPattern::readsStoredReports_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Ground>("ground");
    QTest::addColumn<QString>("error");  // a part of the Italian message; empty when the cuts read
    QTest::addColumn<double>("peak");
    QTest::addColumn<double>("takeOff");  // -1: none (free space)
    QTest::addColumn<double>("beamwidth");
    const QByteArray ground = report("pattern-ground.out");
    QTest::newRow("elevation cut, 20 m over average ground")
        << ground << Ground::average << QString() << 7.19 << 30.0 << 35.53;
    QTest::newRow("E and H planes in free space")
        << report("pattern-free.out") << Ground::freeSpace << QString() << 2.04 << -1.0 << 78.75;
    QTest::newRow("cut inside the pattern block")
        << report("pattern-truncated.out") << Ground::average << "incompleto" << 0.0 << 0.0 << 0.0;
    QTest::newRow("cut before the end") << ground.left(ground.indexOf("TOTAL RUN TIME")) << Ground::average
                                        << "incompleto" << 0.0 << 0.0 << 0.0;
    QTest::newRow("nec2c: wire below ground") << report("pattern-error.out") << Ground::average
                                              << "SEGMENT 1 EXTENDS BELOW GROUND" << 0.0 << 0.0 << 0.0;
    QTest::newRow("a sweep report, no pattern")
        << report("twoband.out") << Ground::average << "manca il diagramma" << 0.0 << 0.0 << 0.0;
    QTest::newRow("free-space planes read as the ground's cut")
        << report("pattern-free.out") << Ground::average << "direzioni richieste" << 0.0 << 0.0 << 0.0;
    QTest::newRow("gain not a number") << QByteArray(ground).replace("7.19      0.0000", "-nan      0.0000")
                                       << Ground::average << "non numerico" << 0.0 << 0.0 << 0.0;
    QTest::newRow("empty") << QByteArray() << Ground::average << "nessun risultato" << 0.0 << 0.0 << 0.0;
}

void NecPattern::readsStoredReports() {
    QFETCH(QByteArray, text);
    QFETCH(Ground, ground);
    QFETCH(QString, error);
    QFETCH(double, peak);
    QFETCH(double, takeOff);
    QFETCH(double, beamwidth);
    const PatternRequest request = patternRequest(ground, 7.05);
    const PatternOutcome read = readNecPattern(text.toStdString(), request);
    QVERIFY2(QString::fromStdString(read.error).contains(error), read.error.c_str());
    const PatternOutcome english = readNecPattern(text.toStdString(), request, Language::english);
    QCOMPARE(english.error.empty(), error.isEmpty());
    QCOMPARE(english.cuts.size(), read.cuts.size());
    QVERIFY(!readNecPattern(text.toStdString(), PatternRequest{}).error.empty());  // no cut asked for
    if (!error.isEmpty()) {
        QVERIFY(read.cuts.empty());
        return;
    }
    QCOMPARE(read.cuts.size(), request.cuts.size());
    for (const CutResult& cut : read.cuts) {
        QCOMPARE(int(cut.points.size()), cutPoints(cut.cut.kind));
        const std::string csv = csvText(cut);
        QCOMPARE(std::size_t(std::count(csv.begin(), csv.end(), '\n')), cut.points.size() + 1);
        for (std::size_t i = 1; i < cut.points.size(); ++i)
            QCOMPARE(cut.points[i].angleDeg, cut.points[i - 1].angleDeg + 1);
    }
    const FiguresOutcome figures = patternFigures(read, ground);
    QVERIFY(figures.figures);
    QCOMPARE(figures.figures->peakGainDbi, peak);
    QCOMPARE(figures.figures->takeOffDeg.value_or(-1), takeOff);
    QVERIFY(std::abs(figures.figures->beamwidthDeg - beamwidth) < 0.01);
}

void NecPattern::figuresAndTexts_data() {
    QTest::addColumn<CutKind>("kind");
    QTest::addColumn<double>("peakAngle");
    QTest::addColumn<double>("peakGain");
    QTest::addColumn<QStringList>("texts");  // gain, angle, beamwidth
    QTest::addColumn<bool>("nvis");
    // 0,01 dB a square degree: -3 dB at 17,32° either side of the peak.
    QTest::newRow("take-off 30°, gain truncated")
        << CutKind::elevation << 30.0 << 7.989 << QStringList{"7,98 dBi", "30°", "34°"} << false;
    QTest::newRow("straight up: NVIS")
        << CutKind::elevation << 90.0 << 5.95 << QStringList{"5,95 dBi", "90°", "34°"} << true;
    QTest::newRow("far side at 120°: take-off 60°, no note")
        << CutKind::elevation << 120.0 << 6.5 << QStringList{"6,5 dBi", "60°", "34°"} << false;
    QTest::newRow("lobe at the horizon ends at the cut's edge")
        << CutKind::elevation << 0.0 << -0.567 << QStringList{"-0,56 dBi", "0°", "17°"} << false;
    QTest::newRow("free space: the lobe wraps round 0°")
        << CutKind::ePlane << 0.0 << 2.15 << QStringList{"2,15 dBi", "", "34°"} << false;
}

void NecPattern::figuresAndTexts() {
    QFETCH(CutKind, kind);
    QFETCH(double, peakAngle);
    QFETCH(double, peakGain);
    QFETCH(QStringList, texts);
    QFETCH(bool, nvis);
    const PatternOutcome pattern{{parabolicCut(kind, peakAngle, peakGain, 0.01)}, {}};
    const FiguresOutcome figures =
        patternFigures(pattern, kind == CutKind::elevation ? Ground::average : Ground::freeSpace);
    QVERIFY(figures.figures);
    const PatternTexts shown = patternTexts(*figures.figures);
    QCOMPARE(QStringList({QString::fromStdString(shown.gain), QString::fromStdString(shown.angle),
                          QString::fromStdString(shown.beamwidth)}),
             texts);
    QCOMPARE(!shown.note.empty(), nvis);
}

void NecPattern::heightStudyRunsAndTable() {
    const HeightStudy study = heightStudy(HalfWaveDesign{20.21, 7.05}, over(Ground::average));
    QCOMPARE(study.error, std::string());
    QCOMPARE(int(study.runs.size()), heightStudySteps);
    for (std::size_t i = 0; i < study.runs.size(); ++i) {
        QCOMPARE(study.runs[i].wavelengths, (i + 1) / 8.0);
        QVERIFY(std::abs(study.runs[i].heightM - (i + 1) * 299.792458 / 7.05 / 8) < 1e-9);
        QVERIFY(i == 0 || study.runs[i].heightM > study.runs[i - 1].heightM);
    }
    // The first run's report is the stored one; the others were cancelled.
    const auto results = heightResults(study, {report("pattern-ground.out").toStdString()}, Ground::average);
    const HeightTable table = heightTable(results);
    QCOMPARE(table.rows.front(), (std::vector<std::string>{"5,31 m", "0,125 λ", "7,19 dBi", "30°"}));
    QCOMPARE(table.rows.back()[2], std::string(text(Text::emptyReport)));
    QCOMPARE(heightTable(results, Language::english).rows.front(),
             (std::vector<std::string>{"5.31 m", "0.125 λ", "7.19 dBi", "30°"}));

    // Steep arms touch the ground at the lowest heights; the others still run.
    HalfWaveDesign vee{20.21, 7.05, Shape::invertedV};
    ModelOptions steep = over(Ground::average);
    steep.apexAngleDeg = 60;
    const HeightStudy low = heightStudy(vee, steep);
    QCOMPARE(low.runs.front().error, std::string(text(Text::belowGround)));
    QVERIFY(low.runs.front().deck.empty());
    QVERIFY(!low.runs.back().deck.empty());
    QVERIFY(heightStudy(HalfWaveDesign{20.21, 7.05}, over(Ground::freeSpace)).runs.empty());
}

// The stored dipole's quadrant against its stored elevation cut: by symmetry
// the quadrant's elevation cut is the cut itself, point by point.
void NecPattern::quadrantGivesTheCuts() {
    const PatternRequest request = viewRequest(Ground::average, 7.05);
    const std::string quadrant =
        runEngine(report("pattern-ground.nec")
                      .replace("RP 0 181 1 1000 -90 0 1 0", "RP 0 91 19 1000 0 0 1 5")
                      .toStdString());
    if (quadrant.empty()) QSKIP("nec2c is not installed");
    const ViewOutcome view = patternView(readNecPattern(quadrant, request), Ground::average);
    QVERIFY2(view.view, view.error.c_str());
    const PatternOutcome cut =
        readNecPattern(report("pattern-ground.out").toStdString(), patternRequest(Ground::average, 7.05));
    const auto& expected = cut.cuts.at(0).points;
    QCOMPARE(view.view->main.points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(view.view->main.points[i].angleDeg, expected[i].angleDeg);
        QVERIFY(std::abs(view.view->main.points[i].gainDbi - expected[i].gainDbi) <= 0.01);
    }
    QCOMPARE(view.view->figures.takeOffDeg, std::optional<double>(30));
    QCOMPARE(view.view->second.cut.elevationDeg, 30.0);
    QCOMPARE(view.view->second.points.size(), std::size_t(72));  // 5 degrees round
    QCOMPARE(lobeFigures(view.view->second)->peakGainDbi, view.view->figures.peakGainDbi);
    const std::string csv = csvText({7.05}, {*view.view});
    QCOMPARE(std::size_t(std::count(csv.begin(), csv.end(), '\n')), 1 + 181 + 72u);
    QVERIFY(patternView(readNecPattern(quadrant, request), Ground::average, Language::english).view);
    QVERIFY(!patternView(PatternOutcome{{}, "x"}, Ground::average).view);
}

void NecPattern::againstTheEngine_data() {
    QTest::addColumn<ModelOptions>("options");
    QTest::addColumn<double>("peak");     // dBi, within 0,3 dB
    QTest::addColumn<double>("takeOff");  // degrees, within 2; -1 in free space
    QTest::addColumn<bool>("nvis");
    // The 7,05 MHz dipole of 20,21 m, 2 mm copper.
    QTest::newRow("10 m over average ground") << over(Ground::average, 10) << 5.95 << -1.0 << true;
    QTest::newRow("20 m over average ground") << over(Ground::average, 20) << 7.2 << 30.0 << false;
    QTest::newRow("30 m over average ground") << over(Ground::average, 30) << 7.52 << 20.0 << false;
    QTest::newRow("free space") << over(Ground::freeSpace) << 2.05 << -1.0 << false;
}

void NecPattern::againstTheEngine() {
    QFETCH(ModelOptions, options);
    QFETCH(double, peak);
    QFETCH(double, takeOff);
    QFETCH(bool, nvis);
    if (QStandardPaths::findExecutable("nec2c").isEmpty()) QSKIP("nec2c is not installed");
    const ModelOutcome built = buildModel(HalfWaveDesign{20.21, 7.05}, options);
    QCOMPARE(built.error, std::string());
    auto run = [&](const PatternRequest& request) {
        return readNecPattern(runEngine(patternDeck(built.model, request)), request);
    };
    const PatternOutcome pattern = run(patternRequest(options.ground, 7.05));
    QCOMPARE(pattern.error, std::string());
    const FiguresOutcome figures = patternFigures(pattern, options.ground);
    QVERIFY(figures.figures);
    const PatternFigures& f = *figures.figures;
    qInfo("peak %.2f dBi, take-off %.1f°, beamwidth %.1f°", f.peakGainDbi, f.takeOffDeg.value_or(-1),
          f.beamwidthDeg);
    QVERIFY(std::abs(f.peakGainDbi - peak) <= 0.3);
    QCOMPARE(f.nvis, nvis);
    if (options.ground == Ground::freeSpace) {
        QVERIFY(!f.takeOffDeg);
        QVERIFY(std::abs(f.beamwidthDeg - 78) <= 1);  // a half-wave dipole's E plane
        return;
    }
    // The low dipole's lobe is broad and flat: that its peak is high is what counts.
    if (!nvis) QVERIFY(std::abs(*f.takeOffDeg - takeOff) <= 2);
    // Broadside at the take-off angle the azimuth cut peaks with the same gain.
    const PatternOutcome azimuth = run(patternRequest(options.ground, 7.05, {*f.takeOffDeg}));
    QCOMPARE(azimuth.error, std::string());
    const auto lobe = lobeFigures(azimuth.cuts.at(1));
    QVERIFY(lobe && std::abs(lobe->peakGainDbi - f.peakGainDbi) <= 0.01);
    QVERIFY(lobe->peakAngleDeg == 0 || lobe->peakAngleDeg == 180);
    // The quadrant's azimuth cut is that cut, every 5 degrees; above a lobe
    // near the zenith, the cut at 30 degrees.
    const ViewOutcome view = patternView(run(viewRequest(options.ground, 7.05)), options.ground);
    QVERIFY2(view.view, view.error.c_str());
    QCOMPARE(view.view->figures.takeOffDeg, f.takeOffDeg);
    QCOMPARE(view.view->second.cut.elevationDeg, nvis ? highLobeAzimuthDeg : *f.takeOffDeg);
    const PatternOutcome shown =
        nvis ? run(patternRequest(options.ground, 7.05, {highLobeAzimuthDeg})) : azimuth;
    for (const PatternPoint& p : view.view->second.points)
        QVERIFY(std::abs(p.gainDbi - shown.cuts.at(1).points.at(std::size_t(p.angleDeg)).gainDbi) <= 0.02);
}

QTEST_APPLESS_MAIN(NecPattern)
#include "test_necpattern.moc"
