// The simulation core without a window: designs to NEC-2 models and decks,
// nec2c's reports (stored, made by the real engine) to rows, rows to
// resonance, bandwidth and advice.
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <map>

#include "core/nec/analysis.h"
#include "core/nec/smith.h"
#include "core/nec/verificationreport.h"

using namespace zeliro::nec;

Q_DECLARE_METATYPE(Design)
Q_DECLARE_METATYPE(ModelOptions)
Q_DECLARE_METATYPE(std::vector<Row>)
Q_DECLARE_METATYPE(Text)
Q_DECLARE_METATYPE(Row)
Q_DECLARE_METATYPE(Band)
Q_DECLARE_METATYPE(Ground)

namespace {

const TwoBandDesign twoBandExample{10.09, 7.89, 3.44, 142.86, 7.055, 3.650};
const LoadingCoilDesign coilExample{15, 2, 6.97, 3, 7.05};

ModelOptions withGround(Ground ground, double apexAngle = 120) {
    ModelOptions o;
    o.ground = ground;
    o.apexAngleDeg = apexAngle;
    return o;
}

template <typename T>
T shaped(T design, Shape shape) {
    design.shape = shape;
    return design;
}

double totalLength(const Model& m) {
    double sum = 0;
    for (const Wire& w : m.wires) sum += w.length();
    return sum;
}

// Signed distance along the wire from the centre to the middle of a wire.
double distanceFromCentre(const Model& m, int tag) {
    double along = 0;
    for (const Wire& w : m.wires) {
        if (w.tag == tag) return along + w.length() / 2 - totalLength(m) / 2;
        along += w.length();
    }
    return NAN;
}

QByteArray report(const char* name) {
    QFile file(QStringLiteral(NEC_TEST_DATA "/%1").arg(name));
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing test data %s", name);
    return file.readAll();
}

std::string_view view(const QByteArray& bytes) { return {bytes.constData(), std::size_t(bytes.size())}; }

// A band of `points` points from `start` MHz in `step` MHz, its design in the middle.
Band band(double start, double step, int points) {
    return {start + step * ((points - 1) / 2), start, step, points};
}

template <typename F>
std::vector<Row> sampled(const Band& b, F impedance) {
    std::vector<Row> rows;
    for (int i = 0; i < b.points; ++i) {
        const double f = b.startMhz + b.stepMhz * i;
        const auto [r, x] = impedance(f);
        rows.push_back({f, r, x});
    }
    return rows;
}

}  // namespace

class Nec : public QObject {
    Q_OBJECT
private slots:
    void modelFollowsTheDesign_data();
    void modelFollowsTheDesign();
    void invertedVGeometry_data();
    void invertedVGeometry();
    void loadValues_data();
    void loadValues();
    void sweepSteps_data();
    void sweepSteps();
    void designErrors_data();
    void designErrors();
    void deckCards();
    void installationCards_data();
    void installationCards();
    void wireThickness_data();
    void wireThickness();
    void readsRealReports_data();
    void readsRealReports();
    void brokenReports_data();
    void brokenReports();
    void standingWaveRatio_data();
    void standingWaveRatio();
    void smithChartPoints_data();
    void smithChartPoints();
    void resonanceAndBandwidth_data();
    void resonanceAndBandwidth();
    void rowsMustMatchTheSweep();
    void texts_data();
    void texts();
    void refusesModelsTooLarge_data();
    void refusesModelsTooLarge();
    void engineMessages_data();
    void engineMessages();
    void csvHoldsBandsAndOptions();
    void csvOfACorrectionHasOneHeader();
    void reportFitsThePage();
};

void Nec::modelFollowsTheDesign_data() {
    QTest::addColumn<Design>("design");
    QTest::addColumn<ModelOptions>("options");
    QTest::addColumn<double>("length");        // total wire, m
    QTest::addColumn<double>("loadDistance");  // from the centre, m (0: no load)
    const ModelOptions plain;
    QTest::newRow("half-wave, horizontal, free space")
        << Design(HalfWaveDesign{20.21, 7.05}) << plain << 20.21 << 0.0;
    QTest::newRow("half-wave, inverted V, average ground")
        << Design(HalfWaveDesign{20.21, 7.05, Shape::invertedV}) << withGround(Ground::average) << 20.21
        << 0.0;
    QTest::newRow("half-wave, 28,5 MHz, 4 mm wire") << Design(HalfWaveDesign{5, 28.5}) << [] {
        ModelOptions o;
        o.wireDiameterMm = 4;
        return o;
    }() << 5.0 << 0.0;
    QTest::newRow("two-band, horizontal") << Design(twoBandExample) << plain << 35.96 << 10.09;
    QTest::newRow("two-band, inverted V 90°, 15 m over perfect ground")
        << Design(shaped(twoBandExample, Shape::invertedV)) <<
        [] {
            ModelOptions o = withGround(Ground::perfect, 90);
            o.heightM = 15;
            return o;
        }()
        << 35.96 << 10.09;
    QTest::newRow("loading coil, horizontal") << Design(coilExample) << plain << 15.0 << 3.0;
    // A coil at the centre or nearer than its segment goes beside the feed (-1:
    // within half a metre).
    QTest::newRow("loading coil at the centre")
        << Design(LoadingCoilDesign{15, 2, 20, 0, 7.05}) << plain << 15.0 << -1.0;
    QTest::newRow("loading coil 5 cm from the centre, inverted V")
        << Design(LoadingCoilDesign{15, 2, 20, 0.05, 7.05, Shape::invertedV}) << plain << 15.0 << -1.0;
    QTest::newRow("loading coil, inverted V")
        << Design(shaped(coilExample, Shape::invertedV)) << plain << 15.0 << 3.0;
}

// Length, loads' places and the segment rules: at most λ/20 at the highest
// swept frequency, at least ten radii, the feed in the middle of an odd count,
// each load alone on its segment, every wire joined to the next.
void Nec::modelFollowsTheDesign() {
    QFETCH(Design, design);
    QFETCH(ModelOptions, options);
    QFETCH(double, length);
    QFETCH(double, loadDistance);
    const ModelOutcome out = buildModel(design, options);
    QCOMPARE(out.error, std::string());
    const Model& m = out.model;
    QVERIFY(std::abs(totalLength(m) - length) < 0.001);

    double highest = 0;
    for (const Band& b : m.bands) highest = std::max(highest, b.endMhz());
    const double maxSegment = 299.792458 / highest / 20;
    for (std::size_t i = 0; i < m.wires.size(); ++i) {
        const Wire& w = m.wires[i];
        QCOMPARE(w.tag, int(i) + 1);
        QVERIFY2(w.length() / w.segments <= maxSegment, qPrintable(QString("wire %1").arg(w.tag)));
        QVERIFY2(w.length() / w.segments >= 10 * w.radiusM, qPrintable(QString("wire %1").arg(w.tag)));
        if (i > 0) {
            const Wire& before = m.wires[i - 1];
            QVERIFY(std::hypot(w.x1 - before.x2, w.y1 - before.y2, w.z1 - before.z2) < 1e-9);
        }
    }
    const Wire& feed = m.wires.at(m.feedTag - 1);
    QCOMPARE(feed.segments % 2, 1);
    QCOMPARE(m.feedSegment, (feed.segments + 1) / 2);
    QVERIFY(std::abs(distanceFromCentre(m, feed.tag)) < 1e-9);

    QCOMPARE(m.loads.size(), loadDistance != 0 ? std::size_t(2) : std::size_t(0));
    // Away from the centre a load's neighbours are as long as its own segment,
    // and no segment is more than twice as long as the one before.
    auto segmentOf = [&](int tag) { return m.wires.at(tag - 1).length() / m.wires.at(tag - 1).segments; };
    for (std::size_t i = 1; loadDistance > 0 && i < m.wires.size(); ++i) {
        const double ratio = segmentOf(int(i) + 1) / segmentOf(int(i));
        QVERIFY2(ratio <= 2.001 && ratio >= 0.499, qPrintable(QString("wire %1").arg(i + 1)));
    }
    for (const Load& load : m.loads) {
        QCOMPARE(load.segment, 1);
        QCOMPARE(m.wires.at(load.tag - 1).segments, 1);
        if (loadDistance > 0)
            for (int beside : {load.tag - 1, load.tag + 1})
                QVERIFY(std::abs(segmentOf(beside) / segmentOf(load.tag) - 1) < 1e-6);
        if (loadDistance > 0)
            QVERIFY(std::abs(std::abs(distanceFromCentre(m, load.tag)) - loadDistance) < 1e-9);
        else
            QVERIFY(std::abs(distanceFromCentre(m, load.tag)) < 0.5);
    }
    const double height = options.ground == Ground::freeSpace ? 0 : options.heightM;
    QCOMPARE(feed.z1, height);
    QCOMPARE(feed.z2, height);
}

void Nec::invertedVGeometry_data() {
    QTest::addColumn<double>("apexAngle");
    QTest::addColumn<Ground>("ground");
    QTest::newRow("120°, average ground") << 120.0 << Ground::average;
    QTest::newRow("90°, free space") << 90.0 << Ground::freeSpace;
    QTest::newRow("180° is a straight wire") << 180.0 << Ground::perfect;
}

// The arms leave the apex at half the included angle from the vertical, on
// either side, and reach down as far as their length allows.
void Nec::invertedVGeometry() {
    QFETCH(double, apexAngle);
    QFETCH(Ground, ground);
    const ModelOutcome out =
        buildModel(HalfWaveDesign{20.21, 7.05, Shape::invertedV}, withGround(ground, apexAngle));
    QCOMPARE(out.error, std::string());
    const Model& m = out.model;
    const double apex = ground == Ground::freeSpace ? 0 : 10;
    const Wire& centre = m.wires.at(m.feedTag - 1);
    const Wire& leftEnd = m.wires.front();
    const Wire& rightEnd = m.wires.back();
    const double half = apexAngle / 2 * M_PI / 180;
    const double arm = (20.21 - centre.length()) / 2;
    QVERIFY(std::abs(rightEnd.y2 - (centre.y2 + arm * std::sin(half))) < 1e-9);
    QVERIFY(std::abs(rightEnd.z2 - (apex - arm * std::cos(half))) < 1e-9);
    QVERIFY(std::abs(leftEnd.y1 + rightEnd.y2) < 1e-9);
    QVERIFY(std::abs(leftEnd.z1 - rightEnd.z2) < 1e-9);
    QVERIFY(centre.length() < 20.21 / 10);
}

void Nec::loadValues_data() {
    QTest::addColumn<Design>("design");
    QTest::addColumn<double>("quality");
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("resistance");
    QTest::addColumn<double>("inductance");
    QTest::addColumn<double>("capacitance");
    // Trap: parallel, R = Q·ω0·L at its own resonance = Q·sqrt(L/C).
    QTest::newRow("trap, Q 150 by default") << Design(twoBandExample) << 0.0 << 1
                                            << 150 * std::sqrt(3.44e-6 / 142.86e-12) << 3.44e-6 << 142.86e-12;
    // Coil: series, R = ω·L / Q at the design frequency.
    QTest::newRow("coil, Q 400") << Design(coilExample) << 400.0 << 0 << 2 * M_PI * 7.05e6 * 6.97e-6 / 400
                                 << 6.97e-6 << 0.0;
}

void Nec::loadValues() {
    QFETCH(Design, design);
    QFETCH(double, quality);
    QFETCH(int, type);
    QFETCH(double, resistance);
    QFETCH(double, inductance);
    QFETCH(double, capacitance);
    ModelOptions options = defaultOptions(design);
    if (quality != 0) options.qualityFactor = quality;
    const Model m = buildModel(design, options).model;
    QCOMPARE(m.loads.size(), std::size_t(2));
    for (const Load& load : m.loads) {
        QCOMPARE(load.type, type);
        QVERIFY(std::abs(load.resistanceOhm / resistance - 1) < 1e-12);
        QVERIFY(std::abs(load.inductanceH / inductance - 1) < 1e-12);
        QCOMPARE(load.capacitanceF == 0, capacitance == 0);
        if (capacitance != 0) QVERIFY(std::abs(load.capacitanceF / capacitance - 1) < 1e-12);
    }
}

// Each sweep is centred on the design and spans exactly ± span for any count
// of points, whatever fraction of a kHz the step takes; the FR card writes
// start and step with the digits to read them back.
void Nec::sweepSteps_data() {
    QTest::addColumn<double>("design");
    QTest::addColumn<int>("points");
    QTest::addColumn<double>("span");
    QTest::newRow("7,05 MHz, 101 points, ±6 %") << 7.05 << 101 << 6.0;
    QTest::newRow("2 points: the two edges") << 7.05 << 2 << 6.0;
    QTest::newRow("even count: the design between the middle two") << 14.2 << 100 << 6.0;
    QTest::newRow("1000 points: a step of 0,85 kHz") << 7.05 << 1000 << 6.0;
    QTest::newRow("80 m, 1000 points") << 3.65 << 1000 << 6.0;
    QTest::newRow("0,1365 MHz, ±1 %: 27,3 Hz a step") << 0.1365 << 101 << 1.0;
    QTest::newRow("0,2 MHz, ±49 %, 1000 points: above zero") << 0.2 << 1000 << 49.0;
}

void Nec::sweepSteps() {
    QFETCH(double, design);
    QFETCH(int, points);
    QFETCH(double, span);
    ModelOptions options;
    options.pointsPerBand = points;
    options.spanPercent = span;
    options.wireDiameterMm = 0.1;
    const ModelOutcome out = buildModel(HalfWaveDesign{142.5 / design, design}, options);
    QCOMPARE(out.error, std::string());
    const Band& b = out.model.bands.at(0);
    QCOMPARE(b.points, points);
    QCOMPARE(b.designMhz, design);
    const double half = design * span / 100;
    QVERIFY(b.startMhz > 0);
    QVERIFY(std::abs(b.startMhz - (design - half)) < 1e-12 * design);
    QVERIFY(std::abs(b.endMhz() - (design + half)) < 1e-12 * design);
    QVERIFY(std::abs((b.startMhz + b.endMhz()) / 2 - design) < 1e-12 * design);
    const QString deck = QString::fromStdString(deckText(out.model));
    const QStringList fr = deck.mid(deck.indexOf("FR ")).section('\n', 0, 0).split(' ');
    QCOMPARE(fr.value(2).toInt(), points);
    QVERIFY(std::abs(fr.value(5).toDouble() - b.startMhz) < 1e-13 * design);
    QVERIFY(std::abs(fr.value(6).toDouble() * (points - 1) - 2 * half) < 1e-12 * design);
}

void Nec::designErrors_data() {
    QTest::addColumn<Design>("design");
    QTest::addColumn<ModelOptions>("options");
    QTest::addColumn<Text>("error");
    const ModelOptions plain;
    auto with = [](auto change) {
        ModelOptions o;
        change(o);
        return o;
    };
    const Design dipole = HalfWaveDesign{20.21, 7.05};
    QTest::newRow("no length") << Design(HalfWaveDesign{0, 7.05}) << plain << Text::badLength;
    QTest::newRow("negative frequency") << Design(HalfWaveDesign{20.21, -7}) << plain << Text::badFrequency;
    QTest::newRow("no wire diameter")
        << dipole << with([](auto& o) { o.wireDiameterMm = 0; }) << Text::badDiameter;
    QTest::newRow("no height over ground")
        << dipole << with([](auto& o) { o.ground = Ground::average, o.heightM = 0; }) << Text::badHeight;
    QTest::newRow("height ignored in free space")
        << Design(HalfWaveDesign{0, 7.05}) << with([](auto& o) { o.heightM = -1; }) << Text::badLength;
    QTest::newRow("inverted V ends in the ground")
        << Design(HalfWaveDesign{20.21, 7.05, Shape::invertedV})
        << with([](auto& o) { o.ground = Ground::perfect, o.heightM = 4; }) << Text::belowGround;
    QTest::newRow("apex angle 0") << dipole << with([](auto& o) { o.apexAngleDeg = 0; }) << Text::badAngle;
    QTest::newRow("one point") << dipole << with([](auto& o) { o.pointsPerBand = 1; }) << Text::badPoints;
    QTest::newRow("span 50 %") << dipole << with([](auto& o) { o.spanPercent = 50; }) << Text::badSpan;
    QTest::newRow("negative Q") << Design(twoBandExample) << with([](auto& o) { o.qualityFactor = -1; })
                                << Text::badQuality;
    QTest::newRow("trap without capacitance")
        << Design(TwoBandDesign{10.09, 7.89, 3.44, 0, 7.055, 3.65}) << plain << Text::badTrap;
    QTest::newRow("coil beyond the end of the arm")
        << Design(LoadingCoilDesign{15, 2, 6.97, 8, 7.05}) << plain << Text::coilPosition;
    QTest::newRow("no coil") << Design(LoadingCoilDesign{15, 2, 0, 3, 7.05}) << plain << Text::badCoil;
    QTest::newRow("negative insulation")
        << dipole << with([](auto& o) { o.insulationMm = -1; }) << Text::badInsulation;
    QTest::newRow("insulation below vacuum")
        << dipole << with([](auto& o) { o.insulationMm = 1, o.insulationPermittivity = 0.5; })
        << Text::badPermittivity;
    QTest::newRow("own soil without conductivity") << dipole << with([](auto& o) {
        o.ground = Ground::custom, o.customSoil = {13, 0};
    }) << Text::badSoil;
    QTest::newRow("centre below the span")
        << dipole << with([](auto& o) { o.centreMhz = 0.4; }) << Text::badCentre;
}

void Nec::designErrors() {
    QFETCH(Design, design);
    QFETCH(ModelOptions, options);
    QFETCH(Text, error);
    const DeckOutcome out = buildDeck(design, options);
    QCOMPARE(out.error, std::string(text(error)));
    QVERIFY(out.deck.empty());
    QVERIFY(out.bands.empty());
    QCOMPARE(buildModel(design, options, zeliro::Language::english).error,
             std::string(text(error, zeliro::Language::english)));
}

// The cards nec2c needs, in its order, every number with a full stop.
void Nec::deckCards() {
    ModelOptions options = withGround(Ground::average);
    const DeckOutcome out = buildDeck(twoBandExample, options);
    QCOMPARE(out.error, std::string());
    const QStringList lines = QString::fromStdString(out.deck).split('\n', Qt::SkipEmptyParts);
    QStringList kinds;
    for (const QString& line : lines)
        if (kinds.isEmpty() || kinds.last() != line.left(2)) kinds << line.left(2);
    QCOMPARE(kinds,
             QStringList({"CM", "CE", "GW", "GE", "LD", "GN", "EX", "PT", "FR", "XQ", "FR", "XQ", "EN"}));
    QVERIFY(lines.contains("GE 1"));
    QVERIFY(lines.contains("LD 5 0 0 0 5.8E7"));
    QVERIFY(lines.contains("GN 2 0 0 0 13 0.005"));
    QVERIFY(lines.contains("FR 0 101 0 0 6.6317 0.008466"));
    QVERIFY(lines.contains("FR 0 101 0 0 3.431 0.00438"));
    QVERIFY(lines.contains("GW 17 7 0 11.02956992 10 0 17.98 10 0.001"));
    QVERIFY(!QString::fromStdString(out.deck).contains(QRegularExpression("\\d,\\d")));

    options = ModelOptions{};
    options.copperLoss = false;
    const std::string freeSpace = buildDeck(HalfWaveDesign{20.21, 7.05}, options).deck;
    QCOMPARE(freeSpace,
             "CM Dipolo a mezz'onda 20.21 m, 7.05 MHz\nCE\nGW 1 21 0 -10.105 0 0 10.105 0 0.001\nGE 0\n"
             "EX 0 1 11 0 1 0\nPT -1 0 0 0\nFR 0 101 0 0 6.627 0.00846\nXQ\nEN\n");
    // In English only the comments change.
    const std::string english =
        buildDeck(HalfWaveDesign{20.21, 7.05}, options, zeliro::Language::english).deck;
    QCOMPARE(english, "CM Half-wave dipole 20.21 m, 7.05 MHz" + freeSpace.substr(freeSpace.find('\n')));
    // The loading-coil window's wire is where its check starts.
    QCOMPARE(defaultOptions(LoadingCoilDesign{15, 1.5, 6.97, 3, 7.05}).wireDiameterMm, 1.5);
    QCOMPARE(defaultOptions(HalfWaveDesign{20.21, 7.05}).wireDiameterMm, 2.0);
    const Model model = buildModel(twoBandExample, options).model;
    QVERIFY(deckText(model, 1).find("FR 0 101 0 0 6.6317") == std::string::npos);
    QVERIFY(deckText(model, 1).find("FR 0 101 0 0 3.431 0.00438\nXQ\nEN") != std::string::npos);
}

// What the wire's metal, its insulation, the soil and the sweep's centre put
// in the deck; a present line of "-" must be absent.
void Nec::installationCards_data() {
    QTest::addColumn<ModelOptions>("options");
    QTest::addColumn<QStringList>("lines");
    auto with = [](auto change) {
        ModelOptions o;
        change(o);
        return o;
    };
    QTest::newRow("0,8 mm of PVC on 2 mm wire")
        << with([](auto& o) { o.insulationMm = 0.8; })
        << QStringList{"LD 5 0 0 0 5.8E7", "LD 2 0 0 0 0 8.3969523557445", "CM Filo isolato 0.8 mm, er 3.5"};
    QTest::newRow("aluminium") << with([](auto& o) { o.conductor = Conductor::aluminium; })
                               << QStringList{"LD 5 0 0 0 3.5E7", "CM Conduttore Alluminio, 3.5E7 S/m"};
    QTest::newRow("steel: permeability folded in")
        << with([](auto& o) { o.conductor = Conductor::steel; }) << QStringList{"LD 5 0 0 0 6E4"};
    QTest::newRow("perfect conductor")
        << with([](auto& o) { o.conductor = Conductor::perfect; }) << QStringList{"-LD 5", "-CM Conduttore"};
    QTest::newRow("no copper loss, whatever the metal")
        << with([](auto& o) { o.conductor = Conductor::steel, o.copperLoss = false; })
        << QStringList{"-LD 5"};
    QTest::newRow("sea water") << with([](auto& o) { o.ground = Ground::seaWater; })
                               << QStringList{"GE 1", "GN 2 0 0 0 81 5", "CM Acqua di mare, er 81, 5 S/m"};
    QTest::newRow("own soil") << with([](auto& o) {
        o.ground = Ground::custom, o.customSoil = {7, 0.02};
    }) << QStringList{"GN 2 0 0 0 7 0.02"};
    QTest::newRow("centre 7,1 MHz, ± 6 % of 7,05")
        << with([](auto& o) { o.centreMhz = 7.1; })
        << QStringList{"FR 0 101 0 0 6.677 0.00846", "CM scansione centrata su 7.1 MHz"};
}

void Nec::installationCards() {
    QFETCH(ModelOptions, options);
    QFETCH(QStringList, lines);
    const DeckOutcome out = buildDeck(HalfWaveDesign{20.21, 7.05}, options);
    QCOMPARE(out.error, std::string());
    const QStringList deck = QString::fromStdString(out.deck).split('\n');
    for (const QString& line : lines) {
        const bool absent = line.startsWith('-');
        const QString start = absent ? line.mid(1) : line;
        const bool found =
            std::any_of(deck.begin(), deck.end(), [&](const QString& l) { return l.startsWith(start); });
        QVERIFY2(found != absent, qPrintable(line));
    }
}

// Segments by the wavelength and the thin-wire rule: thick wires at VHF and
// UHF take fewer, longer segments; a wire NEC-2 cannot take is refused with
// the diameter and the frequency it would take.
void Nec::wireThickness_data() {
    QTest::addColumn<double>("frequencyMhz");
    QTest::addColumn<double>("diameterMm");
    QTest::addColumn<QStringList>("refusal");  // the figures of the message; empty when built
    QTest::newRow("145 MHz, 6 mm") << 145.0 << 6.0 << QStringList{};
    QTest::newRow("432 MHz, 3 mm") << 432.0 << 3.0 << QStringList{};
    QTest::newRow("1000 MHz, 1 mm") << 1000.0 << 1.0 << QStringList{};
    QTest::newRow("1000 MHz, 2 mm") << 1000.0 << 2.0 << QStringList{"1060", "1,41", "749,48"};
    QTest::newRow("7,05 MHz, 500 mm") << 7.05 << 500.0 << QStringList{"7,47", "200,58", "2,99"};
}

void Nec::wireThickness() {
    QFETCH(double, frequencyMhz);
    QFETCH(double, diameterMm);
    QFETCH(QStringList, refusal);
    ModelOptions options;
    options.wireDiameterMm = diameterMm;
    const ModelOutcome out = buildModel(HalfWaveDesign{142.5 / frequencyMhz, frequencyMhz}, options);
    std::vector<std::string> figures;
    for (const QString& f : refusal) figures.push_back(f.toStdString());
    QCOMPARE(out.error, refusal.isEmpty() ? std::string() : textWith(Text::wireTooThick, figures));
    const double wavelength = 299.792458 / (frequencyMhz * 1.06);
    for (const Wire& w : out.model.wires) {
        QVERIFY(w.length() / w.segments >= 10 * w.radiusM);
        QVERIFY(w.length() / w.segments <= wavelength / 20);
    }
}

void Nec::readsRealReports_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rows");
    QTest::addColumn<Row>("first");
    QTest::addColumn<Row>("last");
    QTest::newRow("two-band dipole, two sweeps")
        << "twoband.out" << 10 << Row{6.631, 40.316, -812.54} << Row{3.87, 72.331, 38.273};
    QTest::newRow("a dipole whose SWR never reaches 2")
        << "noswr2.out" << 5 << Row{6.908, 46.246, -239.59} << Row{7.192, 51.51, -180.88};
}

void Nec::readsRealReports() {
    QFETCH(QString, file);
    QFETCH(int, rows);
    QFETCH(Row, first);
    QFETCH(Row, last);
    const OutputOutcome out = readNecOutput(view(report(qPrintable(file))));
    QCOMPARE(out.error, std::string());
    QCOMPARE(int(out.rows.size()), rows);
    for (const auto& [row, expected] :
         {std::pair{out.rows.front(), first}, std::pair{out.rows.back(), last}}) {
        QCOMPARE(row.frequencyMhz, expected.frequencyMhz);
        QCOMPARE(row.resistanceOhm, expected.resistanceOhm);
        QCOMPARE(row.reactanceOhm, expected.reactanceOhm);
    }
}

void Nec::brokenReports_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Text>("error");
    QTest::addColumn<QString>("figure");  // the one the message names, in Italian
    const QByteArray good = report("twoband.out");
    QTest::newRow("nec2c: excitation on a missing wire")
        << report("notag.out") << Text::engineError << QString("NO SEGMENT HAS AN ITAG OF 2");
    QTest::newRow("nec2c: unknown card")
        << report("badcard.out") << Text::engineError << QString("GEOMETRY DATA CARD ERROR");
    QTest::newRow("nec2c: wire below ground")
        << report("belowground.out") << Text::engineError
        << QString("GEOMETRY DATA ERROR -- SEGMENT 1 EXTENDS BELOW GROUND");
    QTest::newRow("nec2c: stopped by a floating point exception")
        << report("nosegments.out") << Text::truncated << QString();
    QTest::newRow("empty") << QByteArray() << Text::emptyReport << QString();
    QTest::newRow("blanks only") << QByteArray(" \n\r\n\t") << Text::emptyReport << QString();
    QTest::newRow("no table") << QByteArray("some text\nTOTAL RUN TIME: 0 msec\n") << Text::noTable
                              << QString();
    QTest::newRow("cut after a frequency")
        << good.left(good.indexOf("FREQUENCY : 3.5400E+00") + 40) << Text::truncated << QString();
    QTest::newRow("cut inside a table")
        << good.left(good.lastIndexOf("ANTENNA INPUT PARAMETERS") + 30) << Text::truncated << QString();
    QTest::newRow("cut before the end")
        << good.left(good.indexOf("TOTAL RUN TIME")) << Text::truncated << QString();
    QTest::newRow("NaN impedance") << QByteArray(good).replace("7.2331E+01", "      -nan") << Text::notANumber
                                   << QString("3,87");
    QTest::newRow("infinite impedance")
        << QByteArray(good).replace("4.0316E+01", "       inf") << Text::notANumber << QString("6,631");
    QTest::newRow("frequency not a number")
        << QByteArray(good).replace("FREQUENCY : 7.0550E+00", "FREQUENCY : nan") << Text::notANumber
        << QString("nan");
    QByteArray lost = good;
    const int block = lost.indexOf("ANTENNA INPUT PARAMETERS", lost.indexOf("FREQUENCY : 7.2670E+00"));
    lost.replace(block, 8, "ANTENNE ");
    QTest::newRow("a frequency without impedance") << lost << Text::noImpedance << QString("7,267");
    QTest::newRow("impedance without frequency")
        << QByteArray(good).replace("FREQUENCY : 6.6310E+00 MHz", "") << Text::noFrequency << QString();
    QTest::newRow("data line of text")
        << QByteArray(
               "FREQUENCY : 7.0000E+00 MHz\nANTENNA INPUT PARAMETERS\nTAG\nNo:\n  garbage\nTOTAL RUN TIME\n")
        << Text::noImpedance << QString("7");
}

void Nec::brokenReports() {
    QFETCH(QByteArray, text);
    QFETCH(Text, error);
    QFETCH(QString, figure);
    // The same fault in either language; in English its figure has a point.
    for (const zeliro::Language language : {zeliro::Language::italian, zeliro::Language::english}) {
        const bool english = language == zeliro::Language::english;
        const std::vector<std::string> arguments =
            figure.isNull()
                ? std::vector<std::string>{}
                : std::vector{(english ? QString(figure).replace(',', '.') : figure).toStdString()};
        const OutputOutcome out = readNecOutput(view(text), language);
        QCOMPARE(out.error, textWith(error, arguments, language));
        QVERIFY(out.rows.empty());
    }
}

// Where an impedance stands on the Smith chart, and that it lies on the
// chart's circles of its resistance, its reactance and its SWR.
void Nec::smithChartPoints_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("reference");
    QTest::addColumn<bool>("onChart");  // false: no reflection at all
    QTest::addColumn<double>("re");
    QTest::addColumn<double>("im");
    QTest::newRow("matched: the centre") << 50.0 << 0.0 << 50.0 << true << 0.0 << 0.0;
    QTest::newRow("short: the left end") << 0.0 << 0.0 << 50.0 << true << -1.0 << 0.0;
    QTest::newRow("twice the reference: SWR 2 circle, right")
        << 100.0 << 0.0 << 50.0 << true << 1 / 3.0 << 0.0;
    QTest::newRow("half the reference: SWR 2 circle, left") << 25.0 << 0.0 << 50.0 << true << -1 / 3.0 << 0.0;
    QTest::newRow("inductance: the rim's top") << 0.0 << 50.0 << 50.0 << true << 0.0 << 1.0;
    QTest::newRow("capacitance: the rim's bottom") << 0.0 << -50.0 << 50.0 << true << 0.0 << -1.0;
    QTest::newRow("50 + j50 on 50") << 50.0 << 50.0 << 50.0 << true << 0.2 << 0.4;
    QTest::newRow("73 - j40 on 75") << 73.0 << -40.0 << 75.0 << true
                                    << (73.0 * 73 + 40 * 40 - 75 * 75) / (148.0 * 148 + 1600)
                                    << -80.0 * 75 / (148.0 * 148 + 1600);
    QTest::newRow("Z = -Z0") << -50.0 << 0.0 << 50.0 << false << 0.0 << 0.0;
    QTest::newRow("reference zero") << 50.0 << 0.0 << 0.0 << false << 0.0 << 0.0;
    QTest::newRow("R not a number") << qQNaN() << 0.0 << 50.0 << false << 0.0 << 0.0;
    QTest::newRow("X infinite") << 50.0 << qInf() << 50.0 << false << 0.0 << 0.0;
}

void Nec::smithChartPoints() {
    QFETCH(double, r);
    QFETCH(double, x);
    QFETCH(double, reference);
    QFETCH(bool, onChart);
    const std::optional<Reflection> gamma = reflection(r, x, reference);
    QCOMPARE(gamma.has_value(), onChart);
    if (!onChart) return;
    QFETCH(double, re);
    QFETCH(double, im);
    QVERIFY2(std::abs(*gamma - Reflection(re, im)) < 1e-12,
             qPrintable(QString("%1 %2").arg(gamma->real()).arg(gamma->imag())));
    const auto on = [&](const Circle& c) { return std::abs(std::abs(*gamma - c.centre) - c.radius) < 1e-12; };
    QVERIFY(on(resistanceCircle(r / reference)));
    if (x != 0) QVERIFY(on(reactanceCircle(x / reference)));
    if (r > 0) QVERIFY(on(swrCircle(zeliro::nec::standingWaveRatio(r, x, reference))));
    // The sweep's impedance between two rows lies on the line between them.
    const std::vector<Row> rows{{7.0, 2 * r, x - 10}, {7.2, 0, x + 10}};
    const std::optional<Row> between = impedanceAt(rows, 7.05);
    QVERIFY(between && std::abs(between->resistanceOhm - 1.5 * r) < 1e-9 &&
            std::abs(between->reactanceOhm - (x - 5)) < 1e-9);
    QVERIFY(!impedanceAt(rows, 6.99) && !impedanceAt(rows, 7.21));
}

void Nec::standingWaveRatio_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("reference");
    QTest::addColumn<double>("swr");
    QTest::newRow("matched") << 50.0 << 0.0 << 50.0 << 1.0;
    QTest::newRow("twice the reference") << 100.0 << 0.0 << 50.0 << 2.0;
    QTest::newRow("half the reference") << 25.0 << 0.0 << 50.0 << 2.0;
    QTest::newRow("50 + j50 on 50") << 50.0 << 50.0 << 50.0
                                    << (1 + 1 / std::sqrt(5.0)) / (1 - 1 / std::sqrt(5.0));
    QTest::newRow("no resistance") << 0.0 << 10.0 << 50.0 << qInf();
}

void Nec::standingWaveRatio() {
    QFETCH(double, r);
    QFETCH(double, x);
    QFETCH(double, reference);
    QFETCH(double, swr);
    const double got = zeliro::nec::standingWaveRatio(r, x, reference);
    if (std::isinf(swr))
        QVERIFY(std::isinf(got));
    else
        QVERIFY(std::abs(got - swr) < 1e-12);
}

void Nec::resonanceAndBandwidth_data() {
    QTest::addColumn<Band>("sweep");
    QTest::addColumn<std::vector<Row>>("rows");
    QTest::addColumn<double>("resonance");  // 0: none
    // The rest only where the SWR is linear between the samples (0 and ""
    // elsewhere): where the minimum is, the stretches where SWR <= 2 and
    // <= 1,5 ("low-high", "off-high", "low-off", "none"), and the 2:1
    // bandwidth as the window shows it.
    QTest::addColumn<double>("minimumAt");
    QTest::addColumn<QString>("swr2");
    QTest::addColumn<QString>("swr15");
    QTest::addColumn<QString>("shown");
    const Band b = band(6.65, 0.008, 101);  // 6,65 ... 7,45, design 7,05
    // SWR 1 + 20·|f - centre| (R from 50 up, no reactance): SWR 2 at ±50 kHz, 1,5 at ±25 kHz.
    auto vee = [](double centre) {
        return [=](double f) { return std::pair{50 + 1000 * std::abs(f - centre), 0.0}; };
    };
    QTest::newRow("V inside the band") << b << sampled(b, vee(7.098)) << 0.0 << 7.098 << "7.048-7.148"
                                       << "7.073-7.123"
                                       << "100";
    QTest::newRow("V off the lower edge") << b << sampled(b, vee(6.666)) << 0.0 << 6.666 << "off-6.716"
                                          << "off-6.691"
                                          << "OLTRE L'INIZIO DELLA SCANSIONE";
    QTest::newRow("V off the upper edge") << b << sampled(b, vee(7.418)) << 0.0 << 7.418 << "7.368-off"
                                          << "7.393-7.443"
                                          << "OLTRE LA FINE DELLA SCANSIONE";
    QTest::newRow("flat 50 Ω: off both edges") << b
                                               << sampled(b,
                                                          [](double) {
                                                              return std::pair{50.0, 0.0};
                                                          })
                                               << 0.0 << 6.65 << "off-off"
                                               << "off-off"
                                               << "OLTRE I DUE BORDI DELLA SCANSIONE";
    QTest::newRow("SWR 3 throughout: never reaches 2") << b
                                                       << sampled(b,
                                                                  [](double) {
                                                                      return std::pair{150.0, 0.0};
                                                                  })
                                                       << 0.0 << 6.65 << "none"
                                                       << "none"
                                                       << "SWR MAI SOTTO 2";
    QTest::newRow("X rising through zero, interpolated")
        << b
        << sampled(b,
                   [](double f) {
                       return std::pair{50.0, 1000 * (f - 7.1234)};
                   })
        << 7.1234 << 0.0 << ""
        << ""
        << "";
    // X falls through zero between two rises: the rises are resonances, the fall is not.
    auto wave = [](double f) { return std::pair{50.0, 100 * std::sin(2 * M_PI * (f - 6.9) / 0.4)}; };
    QTest::newRow("two resonances, the nearer the design") << b << sampled(b, wave) << 6.9 << 0.0 << ""
                                                           << ""
                                                           << "";
    const Band high = band(6.85, 0.008, 101);  // design 7,25
    QTest::newRow("two resonances, the other one nearer") << high << sampled(high, wave) << 7.3 << 0.0 << ""
                                                          << ""
                                                          << "";
    QTest::newRow("X falling only: no resonance") << b
                                                  << sampled(b,
                                                             [](double f) {
                                                                 return std::pair{50.0, -1000 * (f - 7.05)};
                                                             })
                                                  << 0.0 << 0.0 << ""
                                                  << ""
                                                  << "";
}

std::string_view interval(const Bandwidth& b, std::string& out) {
    if (!b.reached) return out = "none";
    out = b.offLow ? "off" : QString::number(b.lowMhz, 'g', 6).toStdString();
    out += '-';
    out += b.offHigh ? "off" : QString::number(b.highMhz, 'g', 6).toStdString();
    return out;
}

void Nec::resonanceAndBandwidth() {
    QFETCH(Band, sweep);
    QFETCH(std::vector<Row>, rows);
    QFETCH(double, resonance);
    QFETCH(double, minimumAt);
    QFETCH(QString, swr2);
    QFETCH(QString, swr15);
    QFETCH(QString, shown);
    const AnalysisOutcome out = analyse(rows, {sweep});
    QCOMPARE(out.error, std::string());
    QCOMPARE(out.bands.size(), std::size_t(1));
    QCOMPARE(out.rows.size(), rows.size());
    const BandResult& r = out.bands[0];
    QCOMPARE(r.resonant, resonance != 0);
    if (resonance != 0) {
        QVERIFY2(std::abs(r.resonanceMhz - resonance) < 1e-5,
                 qPrintable(QString::number(r.resonanceMhz, 'g', 10)));
        QVERIFY(std::abs(r.deviationKhz - (resonance - sweep.designMhz) * 1000) < 1e-2);
        QVERIFY(std::abs(r.deviationPercent - (resonance - sweep.designMhz) / sweep.designMhz * 100) < 1e-3);
    }
    if (minimumAt == 0) return;
    QVERIFY(std::abs(r.minimumSwrMhz - minimumAt) < 1e-9);
    std::string text;
    QCOMPARE(QString::fromStdString(std::string(interval(r.swr2, text))), swr2);
    QCOMPARE(QString::fromStdString(std::string(interval(r.swr15, text))), swr15);
    QCOMPARE(QString::fromStdString(bandTexts(r, HalfWaveDesign{20.21, 7.05}).bandwidth), shown);
}

// Rows that do not fit the sweep (missing, extra, another frequency) are not
// analysed, nor is anything against a reference of no ohms.
void Nec::rowsMustMatchTheSweep() {
    const Band b = band(7, 0.01, 11);
    const auto rows = sampled(b, [](double) { return std::pair{50.0, 0.0}; });
    QCOMPARE(analyse(rows, {b}).error, std::string());
    auto fewer = rows;
    fewer.pop_back();
    auto more = rows;
    more.push_back(rows.back());
    auto shifted = rows;
    shifted[5].frequencyMhz += 0.005;
    auto rounded = rows;
    rounded[5].frequencyMhz = 7.0500000001 + 0.0004;  // as a report of five digits would still show it
    for (const auto& bad : {fewer, more, shifted}) {
        const AnalysisOutcome out = analyse(bad, {b});
        QCOMPARE(out.error, std::string(text(Text::fewRows)));
        QVERIFY(out.bands.empty() && out.rows.empty());
    }
    // The analysis's rows are at the sweep's own frequencies, and so is the CSV.
    const auto exact = analyse(rounded, {b}).rows;
    QCOMPARE(exact[5].frequencyMhz, b.startMhz + 5 * b.stepMhz);
    QVERIFY(csvText(exact).starts_with("f_MHz,R_ohm,X_ohm,SWR\n7,50,0,1\n7.01,50,0,1\n"));
    QCOMPARE(analyse(rows, {b}, 0).error, std::string(text(Text::badReference)));
    QCOMPARE(analyse(rows, {b}, NAN).error, std::string(text(Text::badReference)));
    QCOMPARE(analyse(fewer, {b}, 50, zeliro::Language::english).error,
             std::string(text(Text::fewRows, zeliro::Language::english)));
    // 28 MHz, 1000 points over ±2 %: a step of 1,12 kHz. The report's five
    // digits put a row up to 0,5 kHz off, which is taken; a row two steps
    // off is not.
    const Band ten = band(27.44, 1.12 / 999, 1000);
    auto printed = sampled(ten, [](double) { return std::pair{50.0, 0.0}; });
    for (Row& row : printed) row.frequencyMhz = std::round(row.frequencyMhz * 1000) / 1000;
    QCOMPARE(analyse(printed, {ten}).error, std::string());
    auto twoSteps = sampled(ten, [](double) { return std::pair{50.0, 0.0}; });
    twoSteps[500].frequencyMhz += 2 * ten.stepMhz;
    QCOMPARE(analyse(twoSteps, {ten}).error, std::string(text(Text::fewRows)));
}

void Nec::texts_data() {
    QTest::addColumn<Design>("design");
    QTest::addColumn<int>("bandIndex");
    QTest::addColumn<double>("resonance");  // 0: none
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("x");
    QTest::addColumn<QStringList>("expected");  // resonance, deviation, swr, impedance, advice
    const Design dipole = HalfWaveDesign{20.21, 7.05};
    // 10,105 m × 0,15 / 7,05 is 21,5 cm, which a double holds as 21,4999...
    QTest::newRow("dipole too short")
        << dipole << 0 << 7.2 << 67.3 << -37.35
        << QStringList{"7,200", "+150", "2,00", "67,3 - j37,4",
                       "La risonanza è a +150 kHz (+2,13 %) dalla frequenza di progetto. "
                       "Allungare ogni braccio di 21,5 cm."};
    QTest::newRow("dipole too long")
        << dipole << 0 << 6.9 << 50.0 << 0.04
        << QStringList{"6,900", "-150", "1,00", "50,0 + j0,0",
                       "La risonanza è a -150 kHz (-2,13 %) dalla frequenza di progetto. "
                       "Accorciare ogni braccio di 21,5 cm."};
    QTest::newRow("dipole on frequency")
        << dipole << 0 << 7.0500004 << 50.0 << -0.04
        << QStringList{"7,050", "0", "1,00", "50,0 + j0,0",
                       "La risonanza è a 0 kHz (0,00 %) dalla frequenza di progetto. "
                       "È entro 1 kHz: in frequenza, non serve correggere."};
    // A residual the correction leaves is on frequency, not "0,1 cm".
    QTest::newRow("dipole within the tolerance")
        << dipole << 0 << 7.0504 << 50.0 << 0.04
        << QStringList{"7,050", "0", "1,00", "50,0 + j0,0",
                       "La risonanza è a 0 kHz (+0,01 %) dalla frequenza di progetto. "
                       "È entro 1 kHz: in frequenza, non serve correggere."};
    QTest::newRow("no resonance, inductive: too long")
        << dipole << 0 << 0.0 << 0.0 << 10.0
        << QStringList{
               "NESSUNA RISONANZA", "", "> 99", "0,0 + j10,0",
               "Nessuna risonanza nella scansione: la reattanza è induttiva, l'antenna è troppo lunga. "
               "Allargare la scansione."};
    QTest::newRow("no resonance, capacitive: too short")
        << dipole << 0 << 0.0 << 20.0 << -300.0
        << QStringList{
               "NESSUNA RISONANZA", "", "92,89", "20,0 - j300,0",
               "Nessuna risonanza nella scansione: la reattanza è capacitiva, l'antenna è troppo corta. "
               "Allargare la scansione."};
    QTest::newRow("two-band, first band: sent to the correction")
        << Design(twoBandExample) << 0 << 7.19642 << 71.5 << -156.07
        << QStringList{"7,196", "+141", "8,83", "71,5 - j156,1",
                       "La risonanza è a +141 kHz (+2,00 %) dalla frequenza di progetto. "
                       "Le trappole legano le due bande: premere CORREGGI per il filo interno ed esterno "
                       "insieme."};
    QTest::newRow("two-band, second band: sent to the correction")
        << Design(twoBandExample) << 1 << 3.6 << 59.49 << -79.24
        << QStringList{"3,600", "-50", "3,88", "59,5 - j79,2",
                       "La risonanza è a -50 kHz (-1,37 %) dalla frequenza di progetto. "
                       "Le trappole legano le due bande: premere CORREGGI per il filo interno ed esterno "
                       "insieme."};
    // The bands of a trap dipole, or a coil and its wire, move together: the
    // advice sends to the correction rather than give a figure per band.
    QTest::newRow("loading coil resonating high: sent to the correction")
        << Design(coilExample) << 0 << 7.09845 << 46.0 << -12.5
        << QStringList{"7,098", "+48", "1,31", "46,0 - j12,5",
                       "La risonanza è a +48 kHz (+0,69 %) dalla frequenza di progetto. "
                       "La bobina e il filo agiscono insieme: premere CORREGGI per la bobina che va in "
                       "frequenza."};
    QTest::newRow("loading coil resonating low: sent to the correction")
        << Design(LoadingCoilDesign{15, 2, 7.5, 3, 7.05}) << 0 << 6.97255 << 46.0 << 12.5
        << QStringList{"6,973", "-77", "1,31", "46,0 + j12,5",
                       "La risonanza è a -77 kHz (-1,10 %) dalla frequenza di progetto. "
                       "La bobina e il filo agiscono insieme: premere CORREGGI per la bobina che va in "
                       "frequenza."};
    // Rows tagged "English" read the texts in English, with the decimal point.
    QTest::newRow("English: dipole too short")
        << dipole << 0 << 7.2 << 67.3 << -37.35
        << QStringList{"7.200", "+150", "2.00", "67.3 - j37.4",
                       "The resonance is +150 kHz (+2.13 %) from the design frequency. "
                       "Lengthen each arm by 21.5 cm."};
    QTest::newRow("English: no resonance")
        << dipole << 0 << 0.0 << 0.0 << 10.0
        << QStringList{
               "NO RESONANCE", "", "> 99", "0.0 + j10.0",
               "No resonance in the sweep: the reactance is inductive, the antenna is too long. Widen the "
               "sweep."};
}

void Nec::texts() {
    QFETCH(Design, design);
    QFETCH(int, bandIndex);
    QFETCH(double, resonance);
    QFETCH(double, r);
    QFETCH(double, x);
    QFETCH(QStringList, expected);
    ModelOptions options;
    const Band b = buildModel(design, options).model.bands.at(bandIndex);
    BandResult result;
    result.band = b;
    result.resonant = resonance != 0;
    result.resonanceMhz = resonance;
    result.deviationKhz = (resonance - b.designMhz) * 1000;
    result.deviationPercent = (resonance - b.designMhz) / b.designMhz * 100;
    result.resistanceAtDesignOhm = r;
    result.reactanceAtDesignOhm = x;
    result.swrAtDesign = zeliro::nec::standingWaveRatio(r, x, 50);
    const bool english = QString(QTest::currentDataTag()).startsWith("English");
    const BandTexts t =
        bandTexts(result, design, english ? zeliro::Language::english : zeliro::Language::italian);
    const QStringList got{QString::fromStdString(t.resonance), QString::fromStdString(t.deviation),
                          QString::fromStdString(t.swr), QString::fromStdString(t.impedance),
                          QString::fromStdString(t.advice)};
    QCOMPARE(got, expected);
}

// Above maximumSegments a model is refused before it runs, with its size.
// nec2c, for the record: 1397 segments took 33 MB and 7,5 s a frequency here.
void Nec::refusesModelsTooLarge_data() {
    QTest::addColumn<Design>("design");
    QTest::addColumn<int>("segments");  // 0: accepted
    QTest::addColumn<QString>("memory");
    QTest::newRow("1000 m loading-coil dipole at 30 MHz")
        << Design(LoadingCoilDesign{1000, 2, 10, 100, 30}) << 4255 << "290";
    QTest::newRow("1505 m dipole at 7,05 MHz: just over")
        << Design(HalfWaveDesign{1505, 7.05}) << 1501 << "36";
    QTest::newRow("1500 m dipole at 7,05 MHz: just within") << Design(HalfWaveDesign{1500, 7.05}) << 0 << "";
    // Far past what an int counts: refused as too large, counted up to 10^8.
    QTest::newRow("10^10 m dipole") << Design(HalfWaveDesign{1e10, 7.05}) << 100000001 << "160000003200";
}

void Nec::refusesModelsTooLarge() {
    QFETCH(Design, design);
    QFETCH(int, segments);
    QFETCH(QString, memory);
    ModelOptions options = defaultOptions(design);
    options.pointsPerBand = 2;
    const ModelOutcome out = buildModel(design, options);
    QCOMPARE(out.error, segments == 0 ? std::string()
                                      : textWith(Text::modelTooLarge,
                                                 {std::to_string(segments), "1500", memory.toStdString()}));
    QCOMPARE(out.model.wires.empty(), segments != 0);
}

// What the window shows under its sentence when the engine fails: the
// report's own fault (after the card it was reading), else the last lines
// of the engine's error output; a text that is no report at all is not
// called incomplete; fault words in the user's comments are no fault.
void Nec::engineMessages_data() {
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("errors");
    QTest::addColumn<QString>("error");  // the reader's Text, or "" for rows read
    QTest::addColumn<QString>("shown");
    QTest::newRow("excitation on a missing wire, exit 255")
        << report("notag.out") << QByteArray() << "engineError"
        << "DATA CARD No: 1 EX 0 2 3 0 1.00000E+00 0.00000E+00 0.00000E+00 0.00000E+00 0.00000E+00 "
           "0.00000E+00\nNO SEGMENT HAS AN ITAG OF 2";
    QTest::newRow("unknown card") << report("badcard.out") << QByteArray("ignored\n") << "engineError"
                                  << "GEOMETRY DATA CARD ERROR";
    QTest::newRow("floating point exception: the error output")
        << report("nosegments.out") << report("nosegments.err") << "truncated"
        << "nec2c: floating point exception";
    QTest::newRow("ERROR, FAULT and CHECK DATA in a comment card")
        << report("commentfault.out") << QByteArray() << ""
        << "";
    QTest::newRow("not a report: the last five lines of the error output")
        << QByteArray("Segmentation fault\n<html>\n") << QByteArray("1\n2\n\n3   a\n4\n5\n6\n  \n")
        << "notAReport"
        << "2\n3 a\n4\n5\n6";
}

void Nec::engineMessages() {
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, errors);
    QFETCH(QString, error);
    QFETCH(QString, shown);
    const std::map<QString, Text> texts{
        {"engineError", Text::engineError}, {"truncated", Text::truncated}, {"notAReport", Text::notAReport}};
    const OutputOutcome read = readNecOutput(view(output));
    QCOMPARE(read.error.empty(), error.isEmpty());
    if (!error.isEmpty())
        QVERIFY2(read.error.starts_with(text(texts.at(error)).substr(0, 20)), read.error.c_str());
    QCOMPARE(QString::fromStdString(engineMessage(view(output), view(errors))), shown);
}

// Band, frequency to the hertz, R and X to the hundredth, SWR to three
// decimals, after the reference and the options the rows came from.
void Nec::csvHoldsBandsAndOptions() {
    ModelOptions options = defaultOptions(twoBandExample);
    options.pointsPerBand = 2;
    options.ground = Ground::average;
    const std::vector<Band> bands = buildModel(twoBandExample, options).model.bands;
    const std::vector<Row> rows{{bands[0].startMhz, 73.123456, -20.5},
                                {bands[0].endMhz(), 450, 0},
                                {bands[1].startMhz, 0, 3},
                                {bands[1].endMhz(), 60.004, 1e-9}};
    const std::string csv = csvText(CsvInput{rows, bands, options, 450, zeliro::Language::italian, {}});
    QCOMPARE(csv, std::string("# ZELIRO: impedenza di riferimento 450 ohm\n"
                              "# filo 2 mm, Suolo medio, altezza 10 m, angolo all'apice 120 gradi, Q 150, "
                              "con le perdite del rame, 2 punti per banda, scansione +/- 6 %\n"
                              "band,f_MHz,R_ohm,X_ohm,SWR\n"
                              "1,6.631700,73.12,-20.50,6.167\n"
                              "1,7.478300,450.00,0.00,1.000\n"
                              "2,3.431000,0.00,3.00,inf\n"
                              "2,3.869000,60.00,0.00,7.500\n"));
}

// A corrected design's rows follow the design's under the same header, told
// apart by their first column; the designs are named to the millimetre.
void Nec::csvOfACorrectionHasOneHeader() {
    const HalfWaveDesign corrected{20.6768872720188, 7.05};
    CsvInput input{{{7.05, 50, 0}}, {}, defaultOptions(corrected), 50, zeliro::Language::english, {}};
    input.correction = CsvInput::Correction{HalfWaveDesign{20.21, 7.05}, corrected, {{{7.05, 60, -80}}, {}}};
    const std::string csv = csvText(input);
    QVERIFY2(csv.ends_with("horizontal, total length 20.21 m, 7.05 MHz\n"
                           "# corrected = the corrected design: horizontal, total length 20.677 m, 7.05 MHz\n"
                           "sweep,band,f_MHz,R_ohm,X_ohm,SWR\n"
                           "design,1,7.050000,60.00,-80.00,3.911\n"
                           "corrected,1,7.050000,50.00,0.00,1.000\n"),
             csv.c_str());
    QCOMPARE(std::count(csv.begin(), csv.end(), '#'), 4);
    QVERIFY(csv.find(", Q -, ") != std::string::npos);  // a half-wave dipole has no Q to give
}

// Two bands with long advice, a corrected design, a note and a height
// without figures: every line fits the page, the columns keep their place
// and a long text goes on under its own start.
void Nec::reportFitsThePage() {
    VerificationReport report;
    report.opener = "DIPOLO BIBANDA";
    report.design = twoBandExample;
    report.corrected = TwoBandDesign{10.0912345678, 7.8911111, 3.44, 142.86, 7.055, 3.65};
    report.options = defaultOptions(twoBandExample);
    report.designMhz = {7.055, 3.65};
    const std::string advice(30, 'x');
    report.bands = {{"7,192", "+137", "9,57", "73,8 - j166,6", "15", advice + ' ' + advice + ' ' + advice},
                    {"3,823", "+173", "4,49", "60,1 - j89,7", "OLTRE LA FINE DELLA SCANSIONE", "breve"}};
    report.patternMhz = {7.055};
    report.pattern = {{"5,95 dBi", "90°", "80°", "Irradia soprattutto verso l'alto."}};
    report.heights =
        HeightTable{{"Altezza", "Lunghezze d'onda", "Guadagno massimo", "Angolo di partenza"},
                    {{"5,31 m", "0,125 λ", "5,3 dBi", "90°"}, {"2 m", "0,05 λ", advice + ' ' + advice, ""}}};
    const std::vector<std::string> lines = reportLines(report);
    const auto has = [&lines](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    for (const std::string& line : lines) {
        const auto shown = QString::fromStdString(line).size();
        QVERIFY2(shown <= qsizetype(reportWidth), line.c_str());
    }
    QVERIFY(has("Progetto corretto: orizzontale, filo interno 10,091 m, trappola 3,44 µH 142,86 pF,"));
    QVERIFY(has("                   filo esterno 7,891 m, 7,055 MHz e 3,65 MHz"));
    QVERIFY(has("Risonanza MHz         7,192               3,823"));
    QVERIFY(has("Consiglio 1: " + advice + ' ' + advice));
    QVERIFY(has("             " + advice));
    QVERIFY(has("5,31 m              0,125 λ             5,3 dBi             90°"));
    QVERIFY(has("2 m                 0,05 λ              " + advice));
    QVERIFY(has(std::string(40, ' ') + advice));
    QVERIFY(has("7,055 MHz: guadagno 5,95 dBi, angolo di partenza 90°, apertura -3 dB 80°"));
}

QTEST_APPLESS_MAIN(Nec)
#include "test_nec.moc"
