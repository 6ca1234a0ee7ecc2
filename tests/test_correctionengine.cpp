// The correction with the real engine: each probe of each step runs through
// nec2c, and the corrected deck, run again as a whole sweep, resonates on
// the design frequencies. Skipped where nec2c is not installed.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/nec/analysis.h"
#include "core/nec/correction.h"
#include "core/nec/correctiontexts.h"

using namespace zeliro::nec;

Q_DECLARE_METATYPE(Design)
Q_DECLARE_METATYPE(ModelOptions)

class CorrectionEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void corrects_data();
    void corrects();

private:
    std::vector<Row> run(const std::string& deck);
    QString m_engine;
    QTemporaryDir m_dir;
};

void CorrectionEngine::initTestCase() {
    m_engine = QStandardPaths::findExecutable("nec2c");
    if (m_engine.isEmpty()) QSKIP("nec2c is not installed");
    QVERIFY(m_dir.isValid());
}

std::vector<Row> CorrectionEngine::run(const std::string& deck) {
    QFile in(m_dir.filePath("deck.nec"));
    if (!in.open(QIODevice::WriteOnly)) return {};
    in.write(deck.data(), qint64(deck.size()));
    in.close();
    QProcess engine;
    engine.start(m_engine, {"-i", in.fileName(), "-o", m_dir.filePath("out.txt")});
    if (!engine.waitForFinished(120'000) || engine.exitCode() != 0) return {};
    QFile out(m_dir.filePath("out.txt"));
    if (!out.open(QIODevice::ReadOnly)) return {};
    const QByteArray report = out.readAll();
    return readNecOutput({report.constData(), std::size_t(report.size())}).rows;
}

void CorrectionEngine::corrects_data() {
    QTest::addColumn<Design>("design");
    QTest::addColumn<ModelOptions>("options");
    auto over = [](const Design& d, Ground ground) {
        ModelOptions o = defaultOptions(d);
        o.ground = ground;
        o.pointsPerBand = 41;
        return o;
    };
    const Design dipole = HalfWaveDesign{20.21, 7.05};
    const Design invertedV = HalfWaveDesign{20.06, 7.05, Shape::invertedV};
    const Design twoBand = TwoBandDesign{10.09, 7.89, 3.44, 142.86, 7.055, 3.650};
    const Design coil = LoadingCoilDesign{10, 2, 16.26, 2, 7.05};
    QTest::newRow("half-wave, free space") << dipole << over(dipole, Ground::freeSpace);
    QTest::newRow("half-wave, 10 m over average ground") << dipole << over(dipole, Ground::average);
    QTest::newRow("inverted V 120°, apex 10 m, average ground") << invertedV << over(invertedV, Ground::average);
    QTest::newRow("two-band example, free space") << twoBand << over(twoBand, Ground::freeSpace);
    QTest::newRow("loading-coil example, free space") << coil << over(coil, Ground::freeSpace);
}

void CorrectionEngine::corrects() {
    QFETCH(Design, design);
    QFETCH(ModelOptions, options);
    // The resonances of the design's own sweep, as the window has them.
    const std::vector<Band> full = buildModel(design, options).model.bands;
    const AnalysisOutcome before = analyse(run(buildDeck(design, options).deck), full);
    QCOMPARE(before.error, std::string());
    CorrectionInput input{design, options, {}};
    for (const BandResult& band : before.bands) input.resonanceMhz.push_back(band.resonanceMhz);

    CorrectionOutcome out = startCorrection(input);
    int runs = 0;
    while (out.status == CorrectionStatus::running) {
        std::vector<std::vector<ResonanceEstimate>> estimates;
        for (const Probe& probe : out.probes) {
            estimates.push_back(estimateResonances(run(probeDeck(probe, options).deck), probe.bands));
            ++runs;
        }
        out = continueCorrection(out.state, estimates);
    }
    const CorrectionLabels labels = correctionLabels(design, out.best);
    qInfo("%d steps, %d runs: %s %s", out.state.step, runs, labels.corretto1.c_str(), labels.corretto2.c_str());
    for (double f : correctedFigures(out.best)) qInfo("figure %.4f", f);
    QVERIFY2(out.status == CorrectionStatus::done, correctionFailureText(out.reason, out.modelError).c_str());

    const DeckOutcome deck = correctedDeck(design, out.best, options);
    QVERIFY(deck.deck.find("CM Misure corrette") != std::string::npos);
    const AnalysisOutcome after = analyse(run(deck.deck), deck.bands);
    QCOMPARE(after.error, std::string());
    for (const BandResult& band : after.bands) {
        qInfo("resonance %.5f MHz", band.resonanceMhz);
        QVERIFY(band.resonant && std::abs(band.resonanceMhz - band.band.designMhz) <= 0.002);
    }
}

QTEST_APPLESS_MAIN(CorrectionEngine)
#include "test_correctionengine.moc"
