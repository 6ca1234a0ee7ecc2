// What is drawn from a pattern read back: the main lobe's figures, the cuts a
// quadrant holds, and the view of the pattern page.
#include <algorithm>
#include <cmath>

#include "core/nec/pattern.h"
#include "core/nec/patternparts.h"

namespace zeliro::nec {
namespace {

using patternparts::angleTolerance;
using patternparts::PatternText;
using patternparts::textOf;

// How far from the peak, walking one way, the gain falls below the threshold;
// the walk stops at the edge of a half-plane cut and goes round a circle.
double halfWidth(const std::vector<PatternPoint>& points, std::size_t peak, int direction, bool circular,
                 double threshold) {
    const std::size_t n = points.size();
    double along = 0;
    std::size_t at = peak;
    for (std::size_t steps = 1; steps < n; ++steps) {
        if (!circular && ((direction < 0 && at == 0) || (direction > 0 && at + 1 == n))) break;
        const std::size_t next = direction > 0 ? (at + 1) % n : (at + n - 1) % n;
        double step = std::abs(points[next].angleDeg - points[at].angleDeg);
        if (circular) step = std::min(step, 360 - step);
        if (points[next].gainDbi < threshold) {
            const double share =
                (points[at].gainDbi - threshold) / (points[at].gainDbi - points[next].gainDbi);
            return along + share * step;
        }
        along += step;
        at = next;
    }
    return along;
}

const CutResult* findCut(const PatternOutcome& pattern, CutKind kind) {
    for (const CutResult& c : pattern.cuts)
        if (c.cut.kind == kind && !c.points.empty()) return &c;
    return nullptr;
}

}  // namespace

std::optional<LobeFigures> lobeFigures(const CutResult& cut) {
    const auto& points = cut.points;
    if (points.empty()) return std::nullopt;
    const auto peak = static_cast<std::size_t>(
        std::max_element(points.begin(), points.end(),
                         [](const PatternPoint& a, const PatternPoint& b) {
                             return a.gainDbi < b.gainDbi || (a.gainDbi == b.gainDbi && a.field < b.field);
                         }) -
        points.begin());
    const bool circular = cut.cut.kind != CutKind::elevation;
    const double gain = points[peak].gainDbi;
    const double width =
        halfWidth(points, peak, -1, circular, gain - 3) + halfWidth(points, peak, +1, circular, gain - 3);
    return LobeFigures{gain, points[peak].angleDeg, std::min(width, circular ? 360.0 : 180.0)};
}

FiguresOutcome patternFigures(const PatternOutcome& pattern, Ground ground, Language language) {
    if (!pattern.error.empty()) return {std::nullopt, pattern.error};
    const bool overGround = ground != Ground::freeSpace;
    const CutResult* main = findCut(pattern, overGround ? CutKind::elevation : CutKind::ePlane);
    CutResult derived;
    if (!main && overGround)
        if (const CutResult* quadrant = findCut(pattern, CutKind::quadrant)) {
            derived = elevationOf(*quadrant);
            if (!derived.points.empty()) main = &derived;
        }
    if (!main) return {std::nullopt, textOf(PatternText::noCut, language)};
    const LobeFigures lobe = *lobeFigures(*main);
    PatternFigures f;
    f.peakGainDbi = lobe.peakGainDbi;
    f.beamwidthDeg = lobe.beamwidthDeg;
    if (overGround) {
        f.takeOffDeg = std::min(lobe.peakAngleDeg, 180 - lobe.peakAngleDeg);
        f.nvis = *f.takeOffDeg > nvisAboveDeg;
    } else {
        for (const CutResult& c : pattern.cuts)
            for (const PatternPoint& p : c.points) f.peakGainDbi = std::max(f.peakGainDbi, p.gainDbi);
    }
    return {f, {}};
}

namespace {

// The points of a quadrant at one theta, by phi.
std::vector<PatternPoint> atTheta(const CutResult& quadrant, double thetaDeg) {
    std::vector<PatternPoint> points;
    for (const PatternPoint& p : quadrant.points)
        if (std::abs(p.thetaDeg - thetaDeg) < angleTolerance) points.push_back(p);
    return points;
}

void sortAndMerge(std::vector<PatternPoint>& points) {
    std::stable_sort(points.begin(), points.end(),
                     [](const PatternPoint& a, const PatternPoint& b) { return a.angleDeg < b.angleDeg; });
    points.erase(std::unique(points.begin(), points.end(),
                             [](const PatternPoint& a, const PatternPoint& b) {
                                 return std::abs(a.angleDeg - b.angleDeg) < angleTolerance;
                             }),
                 points.end());
}

}  // namespace

CutResult elevationOf(const CutResult& quadrant) {
    CutResult cut{{CutKind::elevation, 0}, {}};
    for (const PatternPoint& p : quadrant.points) {
        if (std::abs(p.phiDeg) >= angleTolerance) continue;
        const double elevation = 90 - p.thetaDeg;
        for (double angle : {elevation, 180 - elevation}) {
            PatternPoint q = p;
            q.angleDeg = angle;
            cut.points.push_back(q);
        }
    }
    sortAndMerge(cut.points);
    return cut;
}

CutResult azimuthOf(const CutResult& quadrant, double elevationDeg) {
    CutResult cut{{CutKind::azimuth, elevationDeg}, {}};
    for (const PatternPoint& p : atTheta(quadrant, 90 - elevationDeg))
        for (double angle : {p.phiDeg, 180 - p.phiDeg, 180 + p.phiDeg, 360 - p.phiDeg}) {
            PatternPoint q = p;
            q.angleDeg = angle >= 360 - angleTolerance ? angle - 360 : angle;
            cut.points.push_back(q);
        }
    sortAndMerge(cut.points);
    return cut;
}

ViewOutcome patternView(const PatternOutcome& pattern, Ground ground, Language language) {
    const FiguresOutcome figures = patternFigures(pattern, ground, language);
    if (!figures.figures) return {std::nullopt, figures.error};
    PatternView view;
    view.figures = *figures.figures;
    if (ground == Ground::freeSpace) {
        view.main = *findCut(pattern, CutKind::ePlane);
        if (const CutResult* h = findCut(pattern, CutKind::hPlane)) view.second = *h;
        return {view, {}};
    }
    if (const CutResult* quadrant = findCut(pattern, CutKind::quadrant)) {
        view.main = elevationOf(*quadrant);
        view.second = azimuthOf(*quadrant, view.figures.nvis ? highLobeAzimuthDeg : *view.figures.takeOffDeg);
    } else {
        view.main = *findCut(pattern, CutKind::elevation);
        for (const CutResult& c : pattern.cuts)
            if (c.cut.kind == CutKind::azimuth &&
                std::abs(c.cut.elevationDeg - *view.figures.takeOffDeg) < 0.5)
                view.second = c;
    }
    return {view, {}};
}

}  // namespace zeliro::nec
