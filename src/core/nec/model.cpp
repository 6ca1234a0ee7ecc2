#include "core/nec/model.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/nec/texts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double speedOfLight = 299.792458;  // m·MHz
// Segments per wavelength at the highest swept frequency: twice the λ/20
// that NEC-2 asks for, which moves a dipole's resonance by well under 0,1 %.
constexpr double segmentsPerWavelength = 40;
// The segment that carries a trap or a coil, as a share of a wire segment.
// NEC-2 takes a load's voltage at its segment's centre, and the answer leans
// on the segments beside it: with neighbours five times as long, the 10 m
// loading-coil example resonates 4 % low; with neighbours twice as long, 2 %.
// So the load's segment has a neighbour of its own length on each side, and
// the segments beyond double until they reach a wire segment. An eighth keeps
// the loaded examples within 0,1 % of their resonance on ever finer, even
// segments; a quarter is 0,5 % high.
constexpr double loadSegmentShare = 0.125;
// The thin-wire kernel wants segments at least this many radii long.
constexpr double radiiPerSegment = 10;

// One piece of an arm, counted from the centre outward.
struct Section {
    double length = 0;
    bool loaded = false;  // a single segment carrying the arm's load
};

// What a design becomes before it is laid out: one arm (both are alike), its
// load, and the frequencies it is checked at.
struct Plan {
    std::vector<Section> arm;
    Load load;  // tag and segment filled in by the layout
    std::vector<double> designMhz;
    double radiusM = 0;
    Shape shape = Shape::horizontal;
    std::vector<std::string> comments;
};

bool positive(double v) { return std::isfinite(v) && v > 0; }

// The shortest text that reads back as v rounded to 15 significant digits
// ("3.44e-06", not "3.4399999999999997e-06").
std::string number(double v) {
    v = roundSignificant(v, 15);
    std::array<char, 32> buf{};
    const auto end = std::to_chars(buf.data(), buf.data() + buf.size(), v).ptr;
    return std::string(buf.data(), end);
}

// A coordinate to the nanometre, so that the deck shows no rounding noise;
// the ends that two wires share stay equal.
std::string coordinate(double v) {
    const double rounded = std::round(v * 1e9) / 1e9;
    return number(rounded == 0 ? 0.0 : rounded);
}

// What keeps a design from becoming a model; its text is made in the
// caller's language.
using Fault = std::optional<Text>;

// The sweep around one design frequency: centred on it and spanning exactly
// ± spanPercent whatever the point count, so the step is whatever fraction of
// a kHz that takes. With the span below 50 % the start stays above half the
// design frequency, never at zero or below.
Band bandAround(double designMhz, const ModelOptions& options) {
    Band band;
    band.designMhz = designMhz;
    band.points = options.pointsPerBand;
    const double half = designMhz * options.spanPercent / 100;
    band.stepMhz = 2 * half / (band.points - 1);
    band.startMhz = designMhz - half;
    return band;
}

Fault checkOptions(const ModelOptions& o, bool hasLoads) {
    if (!(o.pointsPerBand >= 2 && o.pointsPerBand <= 1000)) return Text::badPoints;
    if (!(std::isfinite(o.spanPercent) && o.spanPercent > 0 && o.spanPercent < 50)) return Text::badSpan;
    if (o.ground != Ground::freeSpace && !positive(o.heightM)) return Text::badHeight;
    if (!(std::isfinite(o.apexAngleDeg) && o.apexAngleDeg > 0 && o.apexAngleDeg <= 180))
        return Text::badAngle;
    if (hasLoads && !(o.qualityFactor == 0 || positive(o.qualityFactor))) return Text::badQuality;
    return {};
}

// Each design to its plan (its deck's comments in the language asked for), or an error.
Fault plan(const HalfWaveDesign& d, const ModelOptions& o, Language language, Plan& p) {
    if (!positive(d.totalLengthM)) return Text::badLength;
    if (!positive(d.frequencyMhz)) return Text::badFrequency;
    if (!positive(o.wireDiameterMm)) return Text::badDiameter;
    p.arm = {{d.totalLengthM / 2, false}};
    p.designMhz = {d.frequencyMhz};
    p.radiusM = o.wireDiameterMm / 2000;
    p.shape = d.shape;
    p.comments = {textWith(Text::deckHalfWave, {number(d.totalLengthM), number(d.frequencyMhz)}, language)};
    return {};
}

Fault plan(const TwoBandDesign& d, const ModelOptions& o, Language language, Plan& p) {
    if (!positive(d.innerWireM) || !positive(d.outerWireM)) return Text::badLength;
    if (!positive(d.firstFrequencyMhz) || !positive(d.secondFrequencyMhz)) return Text::badFrequency;
    if (!positive(o.wireDiameterMm)) return Text::badDiameter;
    if (!positive(d.trapInductanceUh) || !positive(d.trapCapacitancePf)) return Text::badTrap;
    const double l = d.trapInductanceUh * 1e-6;
    const double c = d.trapCapacitancePf * 1e-12;
    const double q = o.qualityFactor > 0 ? o.qualityFactor : defaultTrapQ;
    // A parallel RLC whose Q at the trap's own resonance is q.
    p.load = {1, 0, 0, q * std::sqrt(l / c), l, c};
    p.arm = {{d.innerWireM, false}, {0, true}, {d.outerWireM, false}};
    p.designMhz = {d.firstFrequencyMhz, d.secondFrequencyMhz};
    p.radiusM = o.wireDiameterMm / 2000;
    p.shape = d.shape;
    p.comments = {textWith(Text::deckTwoBand, {number(d.innerWireM), number(d.outerWireM)}, language),
                  textWith(Text::deckTrap,
                           {number(d.trapInductanceUh), number(d.trapCapacitancePf), number(q)}, language)};
    return {};
}

Fault plan(const LoadingCoilDesign& d, const ModelOptions& o, Language language, Plan& p) {
    if (!positive(d.totalLengthM)) return Text::badLength;
    if (!positive(d.frequencyMhz)) return Text::badFrequency;
    if (!positive(o.wireDiameterMm)) return Text::badDiameter;
    if (!positive(d.coilInductanceUh)) return Text::badCoil;
    const double arm = d.totalLengthM / 2;
    if (!(std::isfinite(d.coilDistanceM) && d.coilDistanceM >= 0 && d.coilDistanceM < arm))
        return Text::coilPosition;
    const double l = d.coilInductanceUh * 1e-6;
    const double q = o.qualityFactor > 0 ? o.qualityFactor : defaultCoilQ;
    // A series RL whose Q at the design frequency is q.
    p.load = {0, 0, 0, 2 * pi * d.frequencyMhz * 1e6 * l / q, l, 0};
    p.arm = {{d.coilDistanceM, false}, {0, true}, {arm - d.coilDistanceM, false}};
    p.designMhz = {d.frequencyMhz};
    p.radiusM = o.wireDiameterMm / 2000;
    p.shape = d.shape;
    p.comments = {
        textWith(Text::deckShortened, {number(d.totalLengthM), number(d.frequencyMhz)}, language),
        textWith(Text::deckCoil, {number(d.coilInductanceUh), number(d.coilDistanceM), number(q)}, language)};
    return {};
}

// Where a point of the right arm lies: its distance along the arm from the
// arm's start, which is `start` along the antenna's axis from the centre.
struct ArmGeometry {
    double start = 0;       // y of the arm's first point
    double z = 0;           // height of the centre
    double dy = 1, dz = 0;  // unit direction of the right arm
};

Wire wireBetween(const ArmGeometry& g, double from, double to, int segments, double radius, bool left) {
    Wire w;
    w.segments = segments;
    w.radiusM = radius;
    w.y1 = g.start + from * g.dy;
    w.z1 = g.z + from * g.dz;
    w.y2 = g.start + to * g.dy;
    w.z2 = g.z + to * g.dz;
    if (left) {  // mirrored, and still running from the left end toward the right
        const Wire r = w;
        w.y1 = -r.y2;
        w.z1 = r.z2;
        w.y2 = -r.y1;
        w.z2 = r.z1;
    }
    return w;
}

// How a stretch of unloaded wire is cut, from its start to its end: even
// segments of at most a wire segment in the middle, and at an end that
// touches a load, segments that start at the load's own length and double
// outward, as far as the stretch has room for them.
struct Stretch {
    std::vector<double> before;  // from the start, the one beside a load first
    int middle = 0;              // even segments between
    double each = 0;
    std::vector<double> after;  // toward the end, the one beside a load last
};

Stretch cut(double length, bool loadBefore, bool loadAfter, double load, double segment, bool oddMiddle) {
    Stretch s;
    const int ends = int(loadBefore) + int(loadAfter);
    double rest = length;
    double step = load;
    // Each step leaves the middle at least as long as the step itself.
    while (ends > 0 && step < segment && rest - ends * step >= step) {
        if (loadBefore) s.before.push_back(step);
        if (loadAfter) s.after.insert(s.after.begin(), step);
        rest -= ends * step;
        step *= 2;
    }
    // Beside the last graded segment the middle's are at most twice as long.
    const double widest = ends > 0 ? std::min(segment, step) : segment;
    // Counted exactly up to far past what a model may hold, never past what
    // an int holds: the size check then refuses it with its count.
    s.middle = static_cast<int>(std::min(std::ceil(rest / widest), 1e8));
    if (oddMiddle && s.middle % 2 == 0) ++s.middle;
    s.each = s.middle > 0 ? rest / s.middle : 0;
    return s;
}

// The plan's arms become wires from the left end to the right one; the
// centre wire carries the feed on its middle segment.
Fault layOut(const Plan& p, const ModelOptions& o, Model& m) {
    double highest = 0;
    for (const Band& b : m.bands) highest = std::max(highest, b.endMhz());
    const double segment = speedOfLight / highest / segmentsPerWavelength;
    const double shortest = radiiPerSegment * p.radiusM;
    if (!(segment >= 2 * shortest)) return Text::wireTooThick;

    // A loaded section takes a short segment, half from each neighbour, so
    // that every length along the arm stays as designed.
    std::vector<Section> arm = p.arm;
    const double loadLength = std::max(shortest, segment * loadSegmentShare);
    auto loadedAt = [&](std::size_t i) { return i < arm.size() && arm[i].loaded; };
    for (std::size_t i = 1; i + 1 < arm.size(); ++i) {
        if (!arm[i].loaded) continue;
        arm[i].length = loadLength;
        arm[i - 1].length -= loadLength / 2;
        arm[i + 1].length -= loadLength / 2;
    }
    // A coil nearer the centre than its own segment (a centre-loaded dipole)
    // sits right beside the feed, which takes a segment as short as the coil's.
    if (arm.size() > 2 && arm[1].loaded && arm[0].length < loadLength / 2) {
        arm[2].length -= loadLength / 2 - arm[0].length;
        arm[0].length = loadLength / 2;
    }

    struct Piece {
        double from, to;
        int segments;
        bool loaded;
    };
    std::vector<Piece> pieces;
    double along = 0;
    auto addPiece = [&](double length, int segments, bool loaded) {
        if (!(segments >= 1 && length / segments >= shortest)) return false;
        pieces.push_back({along, along + length, segments, loaded});
        along += length;
        return true;
    };

    ArmGeometry g;
    g.z = o.ground == Ground::freeSpace ? 0 : o.heightM;
    Wire centre;
    std::vector<double> centreOuter;  // the centre stretch's graded segments beyond its wire
    if (p.shape == Shape::horizontal) {
        // One straight wire over both first sections, an odd count of segments.
        const bool loaded = loadedAt(1);
        const Stretch s = cut(2 * arm[0].length, loaded, loaded, loadLength, segment, true);
        const double length = s.each * s.middle;
        if (!(s.middle >= 1 && s.each >= shortest)) return Text::wireTooShort;
        centre = {0, s.middle, 0, -length / 2, g.z, 0, length / 2, g.z, p.radiusM};
        g.start = length / 2;
        centreOuter = s.after;
        arm.erase(arm.begin());
    } else {
        // A one-segment horizontal feed wire at the apex; the arms slope down.
        const double length = std::min(segment, arm[0].length);
        if (!(length >= shortest)) return Text::wireTooShort;
        centre = {0, 1, 0, -length / 2, g.z, 0, length / 2, g.z, p.radiusM};
        arm[0].length -= length / 2;
        g.start = length / 2;
        const double half = o.apexAngleDeg / 2 * pi / 180;
        g.dy = std::sin(half);
        g.dz = -std::cos(half);
    }

    for (double length : centreOuter)
        if (!addPiece(length, 1, false)) return Text::wireTooShort;
    for (std::size_t i = 0; i < arm.size(); ++i) {
        if (arm[i].loaded) {
            if (!addPiece(arm[i].length, 1, true)) return Text::wireTooShort;
            continue;
        }
        const Stretch s =
            cut(arm[i].length, i > 0 && arm[i - 1].loaded, loadedAt(i + 1), loadLength, segment, false);
        bool fits = true;
        for (double length : s.before) fits = fits && addPiece(length, 1, false);
        fits = fits && addPiece(s.each * s.middle, s.middle, false);
        for (double length : s.after) fits = fits && addPiece(length, 1, false);
        if (!fits) return Text::wireTooShort;
    }
    if (o.ground != Ground::freeSpace && !(g.z + along * g.dz > p.radiusM)) return Text::belowGround;

    auto add = [&](Wire w, bool loaded) {
        w.tag = static_cast<int>(m.wires.size()) + 1;
        m.wires.push_back(w);
        if (loaded) {
            Load load = p.load;
            load.tag = w.tag;
            load.segment = 1;
            m.loads.push_back(load);
        }
    };
    for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
        add(wireBetween(g, it->from, it->to, it->segments, p.radiusM, true), it->loaded);
    add(centre, false);
    m.feedTag = centre.tag = static_cast<int>(m.wires.size());
    m.feedSegment = (centre.segments + 1) / 2;
    for (const Piece& piece : pieces)
        add(wireBetween(g, piece.from, piece.to, piece.segments, p.radiusM, false), piece.loaded);
    return {};
}

}  // namespace

double Wire::length() const { return std::hypot(x2 - x1, y2 - y1, z2 - z1); }

ModelSize modelSize(const Model& model) {
    ModelSize size;
    for (const Wire& w : model.wires) size.segments += w.segments;
    // The engine holds the interaction matrix whole: one complex double for
    // each pair of segments.
    const double n = size.segments;
    size.memoryMb = n * n * 16 / 1e6;
    return size;
}

ModelOptions defaultOptions(const Design& design) {
    ModelOptions o;
    if (const auto* coil = std::get_if<LoadingCoilDesign>(&design)) {
        o.wireDiameterMm = coil->wireDiameterMm;
        o.qualityFactor = defaultCoilQ;
    }
    if (std::holds_alternative<TwoBandDesign>(design)) o.qualityFactor = defaultTrapQ;
    return o;
}

ModelOutcome buildModel(const Design& design, const ModelOptions& options, Language language) {
    ModelOutcome out;
    auto failed = [&](Fault fault) {
        if (fault) {
            out.model = Model{};
            out.error = text(*fault, language);
        }
        return fault.has_value();
    };
    const bool loaded = !std::holds_alternative<HalfWaveDesign>(design);
    if (failed(checkOptions(options, loaded))) return out;
    Plan p;
    if (failed(std::visit([&](const auto& d) { return plan(d, options, language, p); }, design))) return out;
    Model& m = out.model;
    m.comments = p.comments;
    m.copperLoss = options.copperLoss;
    m.ground = options.ground;
    for (double f : p.designMhz) m.bands.push_back(bandAround(f, options));
    if (failed(layOut(p, options, m))) return out;
    const ModelSize size = modelSize(m);
    if (size.segments > maximumSegments) {
        out.model = Model{};
        out.error = textWith(Text::modelTooLarge,
                             {std::to_string(size.segments), std::to_string(maximumSegments),
                              formatDouble(std::round(size.memoryMb), language)},
                             language);
    }
    return out;
}

std::string deckTextWith(const Model& m, std::string_view run) {
    std::string deck;
    auto card = [&](std::initializer_list<std::string> fields) {
        bool first = true;
        for (const std::string& f : fields) {
            if (!first) deck += ' ';
            deck += f;
            first = false;
        }
        deck += '\n';
    };
    auto n = [](int v) { return std::to_string(v); };
    for (const std::string& c : m.comments) card({"CM", c});
    card({"CE"});
    for (const Wire& w : m.wires)
        card({"GW", n(w.tag), n(w.segments), coordinate(w.x1), coordinate(w.y1), coordinate(w.z1),
              coordinate(w.x2), coordinate(w.y2), coordinate(w.z2), number(w.radiusM)});
    card({"GE", m.ground == Ground::freeSpace ? "0" : "1"});
    if (m.copperLoss) card({"LD", "5", "0", "0", "0", "5.8E7"});  // copper, S/m
    for (const Load& l : m.loads)
        card({"LD", n(l.type), n(l.tag), n(l.segment), n(l.segment), number(l.resistanceOhm),
              number(l.inductanceH), number(l.capacitanceF)});
    if (m.ground == Ground::average) card({"GN", "2", "0", "0", "0", "13", "0.005"});
    if (m.ground == Ground::perfect) card({"GN", "1"});
    card({"EX", "0", n(m.feedTag), n(m.feedSegment), "0", "1", "0"});
    card({"PT", "-1", "0", "0", "0"});  // no table of currents
    deck += run;
    card({"EN"});
    return deck;
}

std::string deckText(const Model& m, int band) {
    std::string sweeps;
    auto n = [](int v) { return std::to_string(v); };
    for (std::size_t i = 0; i < m.bands.size(); ++i) {
        if (band >= 0 && static_cast<std::size_t>(band) != i) continue;
        const Band& b = m.bands[i];
        sweeps += "FR 0 " + n(b.points) + " 0 0 " + number(b.startMhz) + ' ' + number(b.stepMhz) + "\nXQ\n";
    }
    return deckTextWith(m, sweeps);
}

DeckOutcome buildDeck(const Design& design, const ModelOptions& options, Language language) {
    const ModelOutcome built = buildModel(design, options, language);
    if (!built.error.empty()) return {{}, {}, built.error};
    return {deckText(built.model), built.model.bands, {}};
}

}  // namespace zeliro::nec
