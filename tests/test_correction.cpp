// The correction solver against synthetic antennas whose resonance is a known
// function of the figures, so that the answer and the slopes are known; the
// narrow sweeps' resonance estimate; a sweep cut into pieces and joined; the
// corrected figures as the window shows them.
#include <QTest>
#include <cmath>
#include <functional>

#include "core/nec/correction.h"
#include "core/nec/correctiontexts.h"
#include "core/nec/pieces.h"
#include "core/numbers.h"

using namespace zeliro::nec;
using Resonances = std::function<std::vector<double>(const std::vector<double>&)>;

Q_DECLARE_METATYPE(Design)
Q_DECLARE_METATYPE(ModelOptions)
Q_DECLARE_METATYPE(Resonances)
Q_DECLARE_METATYPE(CorrectionFailure)
Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(Band)

namespace {

// A dipole's X near its series resonance f0: rising, slightly curved; flat
// and capacitive where there is no resonance (f0 not a number).
std::vector<Row> sweep(const Band& band, double f0) {
    std::vector<Row> rows;
    for (int i = 0; i < band.points; ++i) {
        const double f = band.startMhz + band.stepMhz * i, p = (f - f0) / f0 * 100;
        rows.push_back({f, 60, std::isfinite(f0) ? 900 * p - 40 * p * p : -500});
    }
    return rows;
}

const Design dipole = HalfWaveDesign{20.21, 7.05};
const Design twoBand = TwoBandDesign{10.09, 7.89, 3.44, 142.86, 7.055, 3.650};
const Design coil = LoadingCoilDesign{10, 2, 16.26, 2, 7.05};

// The coupled two-band antenna: the high band sees mostly the inner wire,
// the low band both; it is on frequency at 10,72 m and 7,96 m.
constexpr double a1 = 7.055 * (10.72 + 0.1 * 7.96), a2 = 3.65 * (10.72 + 7.96);
std::vector<double> coupled(const std::vector<double>& x) {
    return {a1 / (x[0] + 0.1 * x[1]), a2 / (x[0] + x[1])};
}

}  // namespace

class Correction : public QObject {
    Q_OBJECT
private slots:
    void solves_data();
    void solves();
    void estimates_data();
    void estimates();
    void pieces_data();
    void pieces();
    void labels_data();
    void labels();
};

void Correction::solves_data() {
    QTest::addColumn<Design>("design");
    QTest::addColumn<ModelOptions>("options");
    QTest::addColumn<Resonances>("model");
    QTest::addColumn<CorrectionFailure>("reason");
    QTest::addColumn<std::vector<double>>("figures");  // the answer, or the best expected
    QTest::addColumn<int>("steps");                    // at most
    const ModelOptions plain;
    ModelOptions low = plain;
    low.ground = Ground::average;
    low.heightM = 4.9;
    const CorrectionFailure none = CorrectionFailure::none;
    QTest::newRow("f ∝ 1/L") << dipole << plain
                             << Resonances([](auto& x) { return std::vector{7.05 * 20.687 / x[0]}; }) << none
                             << std::vector{20.687} << 4;
    QTest::newRow("f ∝ 1/L, 10 % long")
        << Design(HalfWaveDesign{22.8, 7.05}) << plain
        << Resonances([](auto& x) { return std::vector{7.05 * 20.687 / x[0]}; }) << none
        << std::vector{20.687} << 5;
    QTest::newRow("coil, f ∝ 1/√L") << coil << plain << Resonances([](auto& x) {
        return std::vector{7.05 * std::sqrt(16.29 / x[0])};
    }) << none << std::vector{16.29} << 4;
    QTest::newRow("coupled two bands")
        << twoBand << plain << Resonances(coupled) << none << std::vector{10.72, 7.96} << 5;
    QTest::newRow("a gap at the design frequency") << dipole << plain << Resonances([](auto& x) {
        return std::vector{7.05 - 0.1 * (x[0] - 20.5) + (x[0] < 20.5 ? 0.01 : -0.01)};
    }) << CorrectionFailure::notConverged << std::vector{20.5}
                                                   << 12;
    QTest::newRow("deaf to the length")
        << dipole << plain << Resonances([](auto&) { return std::vector{7.2}; })
        << CorrectionFailure::noResponse << std::vector{20.21} << 1;
    QTest::newRow("no resonance anywhere")
        << dipole << plain << Resonances([](auto&) { return std::vector{std::nan("")}; })
        << CorrectionFailure::noResonance << std::vector{20.21} << 5;
    QTest::newRow("coil would go below zero")
        << coil << plain << Resonances([](auto& x) { return std::vector{6.9 - 0.01 * x[0]}; })
        << CorrectionFailure::inductanceToZero << std::vector{16.26} << 1;
    QTest::newRow("inverted V would reach the ground")
        << Design(HalfWaveDesign{20.21, 7.05, Shape::invertedV}) << low
        << Resonances([](auto& x) { return std::vector{7.05 * 20.9 / x[0]}; })
        << CorrectionFailure::reachesGround << std::vector{20.21} << 1;
}

void Correction::solves() {
    QFETCH(Design, design);
    QFETCH(ModelOptions, options);
    QFETCH(Resonances, model);
    QFETCH(CorrectionFailure, reason);
    QFETCH(std::vector<double>, figures);
    QFETCH(int, steps);
    CorrectionOutcome out = startCorrection({design, options, model(correctedFigures(design))});
    while (out.status == CorrectionStatus::running) {
        std::vector<std::vector<ResonanceEstimate>> estimates;
        for (const Probe& probe : out.probes) {
            const std::vector<double> f0 = model(correctedFigures(probe.design));
            std::vector<ResonanceEstimate>& bands = estimates.emplace_back();
            for (std::size_t i = 0; i < probe.bands.size(); ++i)
                bands.push_back(estimateResonance(sweep(probe.bands[i], f0[i]), probe.bands[i]));
        }
        // The finite differences of the first step measure the slopes.
        if (out.state.step == 0 && std::holds_alternative<TwoBandDesign>(design)) {
            const auto next = continueCorrection(out.state, estimates).state.jacobian;
            const double s1 = 10.09 + 0.1 * 7.89, s2 = 10.09 + 7.89;
            const double known[] = {-a1 / s1 / s1, -0.1 * a1 / s1 / s1, -a2 / s2 / s2, -a2 / s2 / s2};
            for (int k = 0; k < 4; ++k) QVERIFY(std::abs(next[k] / known[k] - 1) < 0.02);
        }
        out = continueCorrection(out.state, estimates);
    }
    QCOMPARE(out.reason, reason);
    QCOMPARE(out.status,
             reason == CorrectionFailure::none ? CorrectionStatus::done : CorrectionStatus::failed);
    QVERIFY2(out.state.step <= steps, qPrintable(QString::number(out.state.step)));
    const std::vector<double> best = correctedFigures(out.best);
    for (std::size_t j = 0; j < figures.size(); ++j) QVERIFY(std::abs(best[j] / figures[j] - 1) < 2e-3);
    if (reason == CorrectionFailure::none)
        for (std::size_t i = 0; i < out.bestResonanceMhz.size(); ++i)
            QVERIFY(std::abs(model(best)[i] - designFrequencies(design)[i]) <= 0.001);
}

void Correction::estimates_data() {
    QTest::addColumn<QList<double>>("reactances");
    QTest::addColumn<bool>("found");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<double>("mhz");
    // Sweeps of 7,000 to 7,004 MHz, 1 kHz a step.
    QTest::newRow("crossing inside") << QList<double>{-20, -10, 0, 10, 20} << true << true << 7.002;
    QTest::newRow("nearest upward crossing") << QList<double>{-15, 5, -10, -5, 5} << true << true << 7.00075;
    QTest::newRow("above the sweep") << QList<double>{-60, -50, -40, -30, -20} << true << false << 7.006;
    QTest::newRow("below the sweep") << QList<double>{20, 30, 40, 50, 60} << true << false << 6.998;
    QTest::newRow("falling: an anti-resonance")
        << QList<double>{20, 10, 0, -10, -20} << false << false << 0.0;
    QTest::newRow("flat") << QList<double>{-5, -5, -5, -5, -5} << false << false << 0.0;
}

void Correction::estimates() {
    QFETCH(QList<double>, reactances);
    QFETCH(bool, found);
    QFETCH(bool, inside);
    QFETCH(double, mhz);
    const Band band = narrowBand(7.0, 7.002, 0.002);
    std::vector<Row> rows;
    for (double x : reactances) rows.push_back({0, 50, x});
    const ResonanceEstimate e = estimateResonance(rows, band);
    QCOMPARE(e.found, found);
    QCOMPARE(e.inside, inside);
    if (found) QVERIFY(std::abs(e.mhz - mhz) < 1e-9);
    QVERIFY(estimateResonances(rows, {band, band}).empty());  // too few rows for two bands
}

void Correction::pieces_data() {
    QTest::addColumn<Band>("band");
    QTest::addColumn<int>("pieces");
    QTest::addColumn<QList<int>>("points");
    const Band full{7.05, 6.627, 0.008, 101};
    QTest::newRow("101 points in 2") << full << 2 << QList<int>{51, 50};
    QTest::newRow("101 points in 3") << full << 3 << QList<int>{34, 34, 33};
    QTest::newRow("more pieces than points") << Band{7.05, 7.0, 0.001, 3} << 5 << QList<int>{1, 1, 1};
    QTest::newRow("no pieces asked") << full << 0 << QList<int>{101};
}

void Correction::pieces() {
    QFETCH(Band, band);
    QFETCH(int, pieces);
    QFETCH(QList<int>, points);
    const std::vector<Band> split = splitBand(band, pieces);
    QCOMPARE(int(split.size()), int(points.size()));
    std::vector<std::vector<Row>> rows;
    for (std::size_t p = 0; p < split.size(); ++p) {
        QCOMPARE(split[p].points, points[int(p)]);
        auto& piece = rows.emplace_back();
        for (int i = 0; i < split[p].points; ++i)  // as the report prints them: five digits
            piece.push_back({zeliro::roundSignificant(split[p].startMhz + split[p].stepMhz * i, 5), 50, 0});
    }
    QCOMPARE(split.back().endMhz(), band.endMhz());
    const JoinOutcome joined = joinPieces(rows, split);
    QCOMPARE(joined.error, std::string());
    QCOMPARE(int(joined.rows.size()), band.points);
    if (rows.size() < 2) return;
    std::swap(rows[0], rows[1]);  // out of order
    QVERIFY(!joinPieces(rows, split).error.empty());
    rows[1].pop_back();  // a piece short
    QVERIFY(!joinPieces(rows, split).error.empty());
}

void Correction::labels_data() {
    QTest::addColumn<Design>("original");
    QTest::addColumn<std::vector<double>>("figures");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("corretto1");
    QTest::addColumn<QString>("corretto2");
    QTest::newRow("half-wave") << dipole << std::vector{20.6879} << false
                               << "TOTALE 20,68 m (+47 cm), OGNI BRACCIO 10,34 m"
                               << "";
    QTest::newRow("half-wave, English, shorter")
        << dipole << std::vector{19.9} << true << "TOTAL 19.9 m (-31 cm), EACH ARM 9.95 m"
        << "";
    QTest::newRow("two-band") << twoBand << std::vector{10.7239123456789, 7.9601987654321} << false
                              << "FILO INTERNO 10,72 m (+63 cm)"
                              << "FILO ESTERNO 7,96 m (+7 cm)";
    // The change is that between the figures on screen: never "7,88 m (0 cm)" from 7,89.
    QTest::newRow("two-band, less than a centimetre off")
        << twoBand << std::vector{10.0999, 7.885} << false << "FILO INTERNO 10,09 m (0 cm)"
        << "FILO ESTERNO 7,88 m (-1 cm)";
    QTest::newRow("coil") << coil << std::vector{16.2949} << false << "BOBINA 16,29 µH (+0,03 µH)"
                          << "";
    QTest::newRow("coil, English, less") << coil << std::vector{16.2} << true << "COIL 16.2 µH (-0.06 µH)"
                                         << "";
}

void Correction::labels() {
    QFETCH(Design, original);
    QFETCH(std::vector<double>, figures);
    QFETCH(bool, english);
    QFETCH(QString, corretto1);
    QFETCH(QString, corretto2);
    const auto language = english ? zeliro::Language::english : zeliro::Language::italian;
    const Design corrected = withFigures(original, figures);
    const CorrectionLabels shown = correctionLabels(original, corrected, language);
    QCOMPARE(QString::fromStdString(shown.corretto1), corretto1);
    QCOMPARE(QString::fromStdString(shown.corretto2), corretto2);
    // The saved deck says it was corrected, in cards nec2c reads whole.
    const QStringList deck =
        QString::fromStdString(correctedDeck(original, corrected, {}, language).deck).split('\n');
    QVERIFY(deck.contains("CM " + QString(correctionText(CorrectionText::deckCorrected, language).data())));
    for (const QString& card : deck) QVERIFY(card.toUtf8().size() <= 133);
}

QTEST_APPLESS_MAIN(Correction)
#include "test_correction.moc"
