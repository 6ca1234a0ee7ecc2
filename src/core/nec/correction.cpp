// The correction's solver: its start and its steps (Newton's method on the
// resonances, the slopes kept by Broyden's rule).
#include "core/nec/correction.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

#include "core/nec/correctionparts.h"
#include "core/nec/texts.h"

namespace zeliro::nec {
namespace {

using correctionparts::centreOf;
using correctionparts::kHz;

// A finite-difference probe moves each figure by this share of itself: a
// dipole's resonance then moves by about 0,3 %, well inside the probe's
// sweep and far above the engine's few hertz of noise.
constexpr double differenceShare = 0.003;
// The first narrow sweep's half span, as a share of the frequency, around a
// resonance the last full sweep found; without one it spans the full sweep.
constexpr double firstHalfSpanShare = 0.006;
// The narrowest half span (two 1-kHz steps either side) and the widest a
// search for a lost resonance goes to.
constexpr double narrowestHalfSpanMhz = 0.002;
constexpr double widestHalfSpanShare = 0.25;
constexpr double wideningFactor = 4;
// A Newton step changes no figure by more than this share of it.
constexpr double largestStepShare = 0.3;
// Resonances that move less than this share of their frequency when the
// figures move by all of their own size do not respond to the figures.
constexpr double leastResponse = 1e-3;

double largestMagnitude(const std::vector<double>& v) {
    double m = 0;
    for (double x : v) m = std::max(m, std::abs(x));
    return m;
}

// The figures plus `share` of the figure j.
std::vector<double> nudged(std::vector<double> figures, std::size_t j, double share) {
    figures[j] += figures[j] * share;
    return figures;
}

Probe probeAt(const CorrectionState& s, const std::vector<double>& figures,
              const std::vector<double>& centres) {
    Probe p;
    p.design = withFigures(s.original, figures);
    const std::vector<double> design = designFrequencies(s.original);
    for (std::size_t i = 0; i < design.size(); ++i)
        p.bands.push_back(narrowBand(design[i], centres[i], s.halfSpan[i]));
    return p;
}

// The base probe at the solver's point and, when measuring, one probe per
// figure nudged; all share the base's sweeps, so that the sweeps' own
// interpolation errors cancel in the differences.
void askFor(CorrectionState& s, const std::vector<double>& base, const std::vector<double>& centres) {
    s.probes.clear();
    s.probePoints = {base};
    if (s.measuring)
        for (std::size_t j = 0; j < base.size(); ++j)
            s.probePoints.push_back(nudged(base, j, differenceShare));
    for (const std::vector<double>& figures : s.probePoints) s.probes.push_back(probeAt(s, figures, centres));
}

// An outcome with the best design measured so far (the start before any).
CorrectionOutcome withBest(CorrectionState s) {
    CorrectionOutcome out;
    const bool measured = s.bestError >= 0;
    out.best = withFigures(s.original, measured ? s.bestPoint : s.point);
    if (measured) {
        const std::vector<double> design = designFrequencies(s.original);
        for (std::size_t i = 0; i < design.size(); ++i)
            out.bestResonanceMhz.push_back(design[i] + s.bestOffMhz[i]);
    }
    out.state = std::move(s);
    return out;
}

CorrectionOutcome running(CorrectionState s) {
    CorrectionOutcome out = withBest(std::move(s));
    out.probes = out.state.probes;
    return out;
}

CorrectionOutcome ended(CorrectionState s, CorrectionStatus status, CorrectionFailure reason,
                        std::string modelError = {}) {
    s.probes.clear();
    s.probePoints.clear();
    CorrectionOutcome out = withBest(std::move(s));
    out.status = status;
    out.reason = reason;
    out.modelError = std::move(modelError);
    return out;
}

CorrectionFailure toZero(const Design& design) {
    return std::holds_alternative<LoadingCoilDesign>(design) ? CorrectionFailure::inductanceToZero
                                                             : CorrectionFailure::lengthToZero;
}

// J Δx = -off, for one or two figures; empty when J is singular.
std::vector<double> newtonStep(const std::vector<double>& jacobian, const std::vector<double>& off) {
    if (off.size() == 1) {
        if (jacobian[0] == 0) return {};
        return {-off[0] / jacobian[0]};
    }
    const double a = jacobian[0], b = jacobian[1], c = jacobian[2], d = jacobian[3];
    const double det = a * d - b * c;
    if (det == 0 || !std::isfinite(det)) return {};
    return {(-off[0] * d + off[1] * b) / det, (off[0] * c - off[1] * a) / det};
}

// Whether the resonances respond to the figures: the Jacobian scaled to
// shares of frequency per share of figure is far from singular.
bool responds(const std::vector<double>& jacobian, const std::vector<double>& point,
              const std::vector<double>& design) {
    const std::size_t n = point.size();
    std::vector<double> scaled(n * n);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j) scaled[i * n + j] = jacobian[i * n + j] * point[j] / design[i];
    const double det = n == 1 ? scaled[0] : scaled[0] * scaled[3] - scaled[1] * scaled[2];
    return std::isfinite(det) && std::abs(det) >= leastResponse * leastResponse;
}

// Broyden's update of J after the step dx changed the offsets by dr.
void broyden(std::vector<double>& jacobian, const std::vector<double>& dx, const std::vector<double>& dr) {
    const std::size_t n = dx.size();
    double norm = 0;
    for (double v : dx) norm += v * v;
    if (norm == 0) return;
    for (std::size_t i = 0; i < n; ++i) {
        double predicted = 0;
        for (std::size_t j = 0; j < n; ++j) predicted += jacobian[i * n + j] * dx[j];
        for (std::size_t j = 0; j < n; ++j) jacobian[i * n + j] += (dr[i] - predicted) * dx[j] / norm;
    }
}

// The end of the correction when the design does not become a model.
std::optional<CorrectionOutcome> unbuildable(const CorrectionState& s, const Design& design,
                                             Language language) {
    const ModelOutcome built = buildModel(design, s.options, language);
    if (built.error.empty()) return {};
    const bool ground = built.error == text(Text::belowGround, language);
    return ended(s, CorrectionStatus::failed,
                 ground ? CorrectionFailure::reachesGround : CorrectionFailure::badModel, built.error);
}

}  // namespace

CorrectionOutcome startCorrection(const CorrectionInput& input, Language language) {
    CorrectionState s;
    s.original = input.design;
    s.options = input.options;
    s.point = correctedFigures(input.design);
    s.measuring = true;
    const std::vector<double> design = designFrequencies(input.design);
    if (std::optional<CorrectionOutcome> fault = unbuildable(s, input.design, language)) return *fault;
    const bool known = input.resonanceMhz.size() == design.size();
    std::vector<double> centres;
    for (std::size_t i = 0; i < design.size(); ++i) {
        const bool usable = known && std::isfinite(input.resonanceMhz[i]) && input.resonanceMhz[i] > 0;
        centres.push_back(usable ? input.resonanceMhz[i] : design[i]);
        s.halfSpan.push_back(usable ? firstHalfSpanShare * design[i]
                                    : design[i] * input.options.spanPercent / 100);
    }
    askFor(s, s.point, centres);
    return running(std::move(s));
}

CorrectionOutcome continueCorrection(const CorrectionState& previous,
                                     const std::vector<std::vector<ResonanceEstimate>>& estimates,
                                     Language language) {
    CorrectionState s = previous;
    const std::vector<double> design = designFrequencies(s.original);
    const std::size_t bands = design.size();
    const std::size_t figures = s.point.size();
    if (s.probes.empty()) return ended(std::move(s), CorrectionStatus::failed, CorrectionFailure::badResults);
    bool complete = estimates.size() == s.probes.size();
    for (std::size_t p = 0; complete && p < estimates.size(); ++p) complete = estimates[p].size() == bands;
    if (!complete) return ended(std::move(s), CorrectionStatus::failed, CorrectionFailure::badResults);
    ++s.step;
    const bool lastStep = s.step >= maxCorrectionSteps;

    // A resonance lost by any probe: look again, wider, at the same figures.
    bool lost = false;
    for (const auto& probe : estimates)
        for (std::size_t i = 0; i < bands; ++i) lost = lost || !probe[i].found;
    if (lost) {
        std::vector<double> centres;
        for (std::size_t i = 0; i < bands; ++i) {
            s.halfSpan[i] *= wideningFactor;
            if (s.halfSpan[i] > widestHalfSpanShare * design[i])
                return ended(std::move(s), CorrectionStatus::failed, CorrectionFailure::noResonance);
            centres.push_back(centreOf(s.probes[0].bands[i]));
        }
        if (lastStep) return ended(std::move(s), CorrectionStatus::failed, CorrectionFailure::notConverged);
        askFor(s, s.probePoints[0], centres);
        return running(std::move(s));
    }

    const std::vector<double> here = s.probePoints[0];
    std::vector<double> off;
    bool inside = true;
    for (std::size_t i = 0; i < bands; ++i) {
        off.push_back(estimates[0][i].mhz - design[i]);
        inside = inside && estimates[0][i].inside;
    }
    const double error = largestMagnitude(off);
    const bool better = s.bestError < 0 || error < s.bestError;
    // The best design so far, even where its resonance lay beyond its sweep:
    // the linear extrapolation of a dipole's X is good to a few percent of
    // the distance.
    if (better || (inside && error <= correctionToleranceKhz * kHz)) {
        s.bestPoint = here;
        s.bestOffMhz = off;
        s.bestError = error;
    }
    if (inside && error <= correctionToleranceKhz * kHz) {
        s.point = here;
        s.offMhz = off;
        return ended(std::move(s), CorrectionStatus::done, CorrectionFailure::none);
    }
    if (lastStep) return ended(std::move(s), CorrectionStatus::failed, CorrectionFailure::notConverged);

    if (s.measuring) {
        s.jacobian.assign(bands * figures, 0);
        for (std::size_t j = 0; j < figures; ++j) {
            const double dx = s.probePoints[j + 1][j] - here[j];
            for (std::size_t i = 0; i < bands; ++i)
                s.jacobian[i * figures + j] = (estimates[j + 1][i].mhz - estimates[0][i].mhz) / dx;
        }
        s.measuring = false;
    } else if (!s.offMhz.empty()) {
        std::vector<double> dx(figures), dr(bands);
        for (std::size_t j = 0; j < figures; ++j) dx[j] = here[j] - s.point[j];
        for (std::size_t i = 0; i < bands; ++i) dr[i] = off[i] - s.offMhz[i];
        broyden(s.jacobian, dx, dr);
        // A step that made things worse: measure the slopes afresh where the
        // solver stood best.
        if (!better && s.bestError >= 0) {
            s.point = s.bestPoint;
            s.offMhz = s.bestOffMhz;
            s.measuring = true;
            std::vector<double> centres;
            for (std::size_t i = 0; i < bands; ++i) {
                centres.push_back(design[i] + s.bestOffMhz[i]);
                s.halfSpan[i] = firstHalfSpanShare * design[i];
            }
            askFor(s, s.point, centres);
            return running(std::move(s));
        }
    }
    s.point = here;
    s.offMhz = off;

    if (!responds(s.jacobian, s.point, design))
        return ended(std::move(s), CorrectionStatus::failed, CorrectionFailure::noResponse);
    std::vector<double> dx = newtonStep(s.jacobian, off);
    if (dx.empty()) return ended(std::move(s), CorrectionStatus::failed, CorrectionFailure::noResponse);
    double scale = 1;
    for (std::size_t j = 0; j < figures; ++j) {
        if (!(s.point[j] + dx[j] > 0))
            return ended(std::move(s), CorrectionStatus::failed, toZero(s.original));
        const double limit = largestStepShare * s.point[j];
        if (std::abs(dx[j]) > limit) scale = std::min(scale, limit / std::abs(dx[j]));
    }
    std::vector<double> next = s.point;
    for (std::size_t j = 0; j < figures; ++j) next[j] += dx[j] * scale;

    // The model itself says whether the design can be built: an inverted V
    // whose ends reach the ground, a wire too short for its segments.
    if (std::optional<CorrectionOutcome> fault = unbuildable(s, withFigures(s.original, next), language))
        return *fault;

    // The next sweeps: centred where J predicts the resonances, as wide as
    // the change predicted (the prediction is off by a share of it).
    std::vector<double> centres;
    for (std::size_t i = 0; i < bands; ++i) {
        double change = 0;
        for (std::size_t j = 0; j < figures; ++j) change += s.jacobian[i * figures + j] * dx[j] * scale;
        centres.push_back(design[i] + off[i] + change);
        // Where the last prediction missed, the next may miss as far.
        const double missed = std::abs(estimates[0][i].mhz - centreOf(s.probes[0].bands[i]));
        s.halfSpan[i] = std::max({narrowestHalfSpanMhz, 0.5 * std::abs(change), missed});
    }
    // The offsets stay those measured at `here` until the probe at `next`
    // reports: Broyden's update needs both ends of the step.
    s.point = here;
    s.probePoints = {next};
    s.probes = {probeAt(s, next, centres)};
    return running(std::move(s));
}

}  // namespace zeliro::nec
