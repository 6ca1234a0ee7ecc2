// The coax between the analyser and the antenna: a known load measured
// through a line, by the transmission-line formula, comes back whole at the
// feed point; the model's SWR at the shack end follows the same formula.
#include <QTest>

#include <cmath>
#include <complex>

#include "core/nec/coax.h"
#include "core/nec/texts.h"

using namespace zeliro;
using namespace zeliro::nec;
using Z = std::complex<double>;

Q_DECLARE_METATYPE(Feedline)

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double resonanceMhz = 7.1;

// A series RLC of 10 µH resonating at 7,1 MHz.
Z load(double resistance, double f) {
    const double w = 2 * pi * f * 1e6, l = 10e-6, c = 1 / (std::pow(2 * pi * resonanceMhz * 1e6, 2) * l);
    return {resistance, w * l - 1 / (w * c)};
}

// The load seen through the line: Γ at the load turned and lowered by
// e^(-2γl), back to an impedance on the line's Z0.
Z throughLine(const Feedline& line, double f, Z zl) {
    const Cable& c = line.cable;
    const Z gamma(matchedLoss(c, f) / 100 / (20 / std::log(10.0)),
                  2 * pi * f / (c.velocityFactor * 299.792458));
    const Z g = (zl - c.impedanceOhm) / (zl + c.impedanceOhm) * std::exp(-2.0 * gamma * line.lengthM);
    return c.impedanceOhm * (1.0 + g) / (1.0 - g);
}

double swr50(Z z) {
    const double g = std::abs((z - 50.0) / (z + 50.0));
    return (1 + g) / (1 - g);
}

}  // namespace

class CoreCoax : public QObject {
    Q_OBJECT
private slots:
    void throughTheLine_data();
    void throughTheLine();
};

void CoreCoax::throughTheLine_data() {
    QTest::addColumn<Feedline>("line");
    QTest::addColumn<double>("loadOhm");
    QTest::addColumn<bool>("swrOnly");
    QTest::addColumn<QString>("error");  // the start of the refusal; empty when taken back
    const Cable rg58 = *findCable("RG-58");
    QTest::newRow("lossless, 10 m") << Feedline{ownCable(50, 0.66, 0), 10} << 80.0 << false << QString();
    QTest::newRow("10 m of RG-58") << Feedline{rg58, 10} << 80.0 << false << QString();
    QTest::newRow("100 m of RG-58, load below 50 ohm") << Feedline{rg58, 100} << 30.0 << false << QString();
    QTest::newRow("30 m of a 75 ohm cable")
        << Feedline{ownCable(75, 0.8, 6), 30} << 65.0 << false << QString();
    QTest::newRow("30 m of Aircell 7")
        << Feedline{*findCable("Aircell 7"), 30} << 120.0 << false << QString();
    QTest::newRow("SWR alone") << Feedline{rg58, 10} << 80.0 << true
                               << QString::fromUtf8(text(Text::deembedNoImpedance).data());
    QTest::newRow("a near short beyond what 100 m of RG-58 returns")
        << Feedline{rg58, 100} << 1.0 << false
        << QStringLiteral("Riportata attraverso il cavo, la misura a 6,9 MHz");
    QTest::newRow("velocity factor 0") << Feedline{ownCable(50, 0, 3), 10} << 80.0 << false
                                       << QString::fromUtf8(text(Text::badCable).data());
}

void CoreCoax::throughTheLine() {
    QFETCH(Feedline, line);
    QFETCH(double, loadOhm);
    QFETCH(bool, swrOnly);
    QFETCH(QString, error);
    // What the analyser at the shack end reads, kHz by kHz; a near short
    // reads as the lossy line's own return loss.
    MeasuredSweep measured;
    measured.impedanceKnown = !swrOnly;
    std::vector<Row> model;
    for (int i = 0; i <= 400; ++i) {
        const double f = 6.9 + i * 0.001;
        const Z zl = loadOhm > 1 ? load(loadOhm, f) : Z(0.1 * loadOhm, 0);
        const Z z = loadOhm > 1 ? throughLine(line, f, zl) : Z(2, 0);
        measured.points.push_back({f, swr50(z), z.real(), z.imag()});
        model.push_back({f, zl.real(), zl.imag()});
    }
    const FeedPointSweep back = toFeedPoint(measured, line);
    QVERIFY2(QString::fromStdString(back.error).startsWith(error) && back.error.empty() == error.isEmpty(),
             back.error.c_str());
    QCOMPARE(back.sweep.has_value(), error.isEmpty());
    if (!back.sweep) return;
    const std::vector<ReactanceZero> zeros = reactanceZeros(*back.sweep);
    QCOMPARE(zeros.size(), std::size_t(1));
    QVERIFY(std::abs(zeros.front().frequencyMHz - resonanceMhz) <= 0.001);
    const double loadSwr = loadOhm > 50 ? loadOhm / 50 : 50 / loadOhm;
    QVERIFY(std::abs(minimumSwr(*back.sweep, resonanceMhz)->swr - loadSwr) <= 0.01);
    // The model at the shack end, by the formula.
    const std::vector<ShackEndRow> shack = atShackEnd(model, line, 50);
    for (std::size_t i = 0; i < shack.size(); i += 50) {
        const Z expected =
            throughLine(line, model[i].frequencyMhz, {model[i].resistanceOhm, model[i].reactanceOhm});
        QVERIFY(std::abs(Z(shack[i].resistanceOhm, shack[i].reactanceOhm) - expected) <
                1e-6 * std::abs(expected));
        QVERIFY(std::abs(shack[i].swr - swr50(expected)) < 1e-9 * swr50(expected));
    }
}

QTEST_APPLESS_MAIN(CoreCoax)
#include "test_core_coax.moc"
