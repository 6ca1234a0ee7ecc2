// The cuts nec2c is asked for, and the deck that asks for them.
#include <array>
#include <charconv>
#include <cmath>

#include "core/nec/pattern.h"
#include "core/nec/patternparts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace patternparts {

constexpr int quadrantThetas = 91;
constexpr int quadrantPhis = 19;
constexpr double quadrantPhiStep = 5;

// The shortest text that reads back as v rounded to 15 significant digits.
std::string number(double v) {
    v = roundSignificant(v, 15);
    std::array<char, 32> buf{};
    return std::string(buf.data(), std::to_chars(buf.data(), buf.data() + buf.size(), v).ptr);
}

Sweep sweepOf(const Cut& cut) {
    switch (cut.kind) {
        case CutKind::elevation:
            return {-90, 0, 1, 0, 181, 1};
        case CutKind::azimuth:
            return {90 - cut.elevationDeg, 0, 0, 1, 1, 360};
        case CutKind::ePlane:
            return {90, 0, 0, 1, 1, 360};
        case CutKind::quadrant:
            return {0, 0, 1, quadrantPhiStep, quadrantThetas, quadrantPhis};
        case CutKind::hPlane:
            break;
    }
    return {0, 0, 1, 0, 360, 1};
}

}  // namespace patternparts

namespace {

using patternparts::number;
using patternparts::Sweep;
using patternparts::sweepOf;

std::string rpCard(const Cut& cut) {
    const Sweep s = sweepOf(cut);
    // Mode 0, power gain in dB, vertical and horizontal parts, no averaging.
    return "RP 0 " + std::to_string(s.thetas) + ' ' + std::to_string(s.phis) + " 1000 " + number(s.theta0) +
           ' ' + number(s.phi0) + ' ' + number(s.thetaStep) + ' ' + number(s.phiStep) + '\n';
}

}  // namespace

PatternRequest patternRequest(Ground ground, double frequencyMhz,
                              const std::vector<double>& azimuthElevationsDeg) {
    PatternRequest r;
    r.frequencyMhz = frequencyMhz;
    if (ground == Ground::freeSpace) {
        r.cuts = {{CutKind::ePlane, 0}, {CutKind::hPlane, 0}};
        return r;
    }
    r.cuts = {{CutKind::elevation, 0}};
    for (double e : azimuthElevationsDeg)
        if (std::isfinite(e) && e >= 0 && e <= 90) r.cuts.push_back({CutKind::azimuth, e});
    return r;
}

PatternRequest viewRequest(Ground ground, double frequencyMhz) {
    PatternRequest r = patternRequest(ground, frequencyMhz);
    if (ground != Ground::freeSpace) r.cuts = {{CutKind::quadrant, 0}};
    return r;
}

int cutPoints(CutKind kind) {
    const Sweep s = sweepOf({kind, 0});
    return s.thetas * s.phis;
}

std::string patternDeck(const Model& model, const PatternRequest& request) {
    std::string run = "FR 0 1 0 0 " + number(request.frequencyMhz) + " 0\n";
    for (const Cut& cut : request.cuts) run += rpCard(cut);
    return deckTextWith(model, run);
}

}  // namespace zeliro::nec
