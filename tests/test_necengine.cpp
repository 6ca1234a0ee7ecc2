// The simulation core with the real engine: a design becomes a deck, nec2c
// runs it, and the report's resonances are where the engine puts them.
// Skipped where nec2c is not installed.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/loadingcoil.h"
#include "core/nec/analysis.h"
#include "core/numbers.h"

using namespace zeliro::nec;

Q_DECLARE_METATYPE(Design)
Q_DECLARE_METATYPE(ModelOptions)

class NecEngine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void resonances_data();
    void resonances();

private:
    QString m_engine;
};

void NecEngine::initTestCase() {
    m_engine = QStandardPaths::findExecutable("nec2c");
    if (m_engine.isEmpty()) QSKIP("nec2c is not installed");
}

void NecEngine::resonances_data() {
    QTest::addColumn<Design>("design");
    QTest::addColumn<ModelOptions>("options");
    QTest::addColumn<QList<double>>("resonances");  // MHz, per band
    QTest::addColumn<double>("tolerance");          // MHz
    ModelOptions bare;
    bare.copperLoss = false;
    QTest::newRow("half-wave 20,21 m, free space")
        << Design(HalfWaveDesign{20.21, 7.05}) << bare << QList<double>{7.2} << 0.05;
    QTest::newRow("two-band example, free space")
        << Design(TwoBandDesign{10.09, 7.89, 3.44, 142.86, 7.055, 3.650}) << bare << QList<double>{7.19, 3.79}
        << 0.05;
    // The coil the loading-coil window gives for 2 mm, 7,05 MHz, 15 m, 3 m:
    // the handbook formula lands within 1 %.
    const auto coil = zeliro::loadingCoil({"2", "7,05", "15", "3", {}});
    QTest::newRow("loading coil, free space")
        << Design(LoadingCoilDesign{15, 2, *zeliro::parseDouble(*coil.inductance), 3, 7.05}) << bare
        << QList<double>{7.05} << 0.07;
    // Over real ground, with copper: a sparser sweep keeps the run short.
    ModelOptions ground;
    ground.ground = Ground::average;
    ground.pointsPerBand = 21;
    QTest::newRow("half-wave 10 m over average ground, copper")
        << Design(HalfWaveDesign{20.21, 7.05}) << ground << QList<double>{7.137} << 0.02;
}

void NecEngine::resonances() {
    QFETCH(Design, design);
    QFETCH(ModelOptions, options);
    QFETCH(QList<double>, resonances);
    QFETCH(double, tolerance);
    const DeckOutcome deck = buildDeck(design, options);
    QCOMPARE(deck.error, std::string());
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile in(dir.filePath("deck.nec"));
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.write(deck.deck.data(), qint64(deck.deck.size()));
    in.close();
    QProcess engine;
    engine.start(m_engine, {"-i", in.fileName(), "-o", dir.filePath("out.txt")});
    QVERIFY(engine.waitForFinished(120'000));
    QCOMPARE(engine.exitCode(), 0);
    QFile out(dir.filePath("out.txt"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray report = out.readAll();

    const OutputOutcome read = readNecOutput({report.constData(), std::size_t(report.size())});
    QCOMPARE(read.error, std::string());
    const AnalysisOutcome analysis = analyse(read.rows, deck.bands);
    QCOMPARE(analysis.error, std::string());
    QCOMPARE(int(analysis.bands.size()), int(resonances.size()));
    for (int i = 0; i < resonances.size(); ++i) {
        const BandResult& band = analysis.bands[std::size_t(i)];
        QVERIFY(band.resonant);
        qInfo("band %d: resonance %.4f MHz, minimum SWR %.2f at %.4f MHz", i + 1, band.resonanceMhz,
              band.minimumSwr, band.minimumSwrMhz);
        QVERIFY2(std::abs(band.resonanceMhz - resonances[i]) <= tolerance,
                 qPrintable(QString::number(band.resonanceMhz, 'f', 4)));
    }
}

QTEST_APPLESS_MAIN(NecEngine)
#include "test_necengine.moc"
