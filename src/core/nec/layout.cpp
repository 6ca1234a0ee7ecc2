// The model's geometry: a plan's arms laid out as wires, and cut into
// segments by the wavelength and by the thin-wire rule.
#include <algorithm>
#include <cmath>

#include "core/nec/modelparts.h"
#include "core/numbers.h"

namespace zeliro::nec::parts {
namespace {

// Segments per wavelength at the highest swept frequency: twice the λ/20
// that NEC-2 asks for, which moves a dipole's resonance by well under 0,1 %.
constexpr double segmentsPerWavelength = 40;
// A thick wire at VHF and UHF takes fewer, longer segments, down to NEC-2's
// λ/20; a segment of at most λ/20 and at least 2 × radiiPerSegment radii
// bounds the wire's diameter at λ/200.
constexpr double fewestSegmentsPerWavelength = 20;
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

// A figure cut down (never rounded up) to two decimals, in the language's
// number rules: what it names is then always accepted.
std::string downTo2(double v, Language language) { return formatDouble(std::floor(v * 100) / 100, language); }

// The segment length for the highest swept frequency, or the fault naming
// the thickest wire and the highest frequency the model accepts.
Fault segmentFor(double highestMhz, double radiusM, Language language, double& segment) {
    const double wavelength = speedOfLight / highestMhz;
    const double shortest = radiiPerSegment * radiusM;
    segment = std::max(wavelength / segmentsPerWavelength, 2 * shortest);
    if (segment <= wavelength / fewestSegmentsPerWavelength) return {};
    const double ratio = fewestSegmentsPerWavelength * 2 * radiiPerSegment;  // the least wavelength / radius
    return Problem{Text::wireTooThick,
                   {downTo2(highestMhz, language), downTo2(2 * wavelength / ratio * 1000, language),
                    downTo2(speedOfLight / (ratio * radiusM), language)}};
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

}  // namespace

// The plan's arms become wires from the left end to the right one; the
// centre wire carries the feed on its middle segment.

Fault layOut(const Plan& p, const ModelOptions& o, Language language, Model& m) {
    double highest = 0;
    for (const Band& b : m.bands) highest = std::max(highest, b.endMhz());
    double segment = 0;
    if (Fault fault = segmentFor(highest, p.radiusM, language, segment)) return fault;
    const double shortest = radiiPerSegment * p.radiusM;

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

}  // namespace zeliro::nec::parts
