// The correction's probes: the narrow sweeps a step asks for, their decks and
// the deck of the corrected design, and where their rows put the resonances.
#include <algorithm>
#include <cmath>

#include "core/nec/correction.h"
#include "core/nec/correctionparts.h"
#include "core/nec/correctiontexts.h"

namespace zeliro::nec {
namespace {

using correctionparts::centreOf;
using correctionparts::kHz;

// An extrapolated resonance is believed up to this share of the frequency
// away from the sweep.
constexpr double farthestExtrapolationShare = 0.5;

}  // namespace

ResonanceEstimate estimateResonance(const std::vector<Row>& rows, const Band& band) {
    ResonanceEstimate e;
    const std::size_t n = rows.size();
    if (n < 2 || n != static_cast<std::size_t>(band.points) || !(band.stepMhz > 0)) return e;
    auto f = [&](std::size_t k) { return band.startMhz + band.stepMhz * static_cast<double>(k); };
    auto x = [&](std::size_t k) { return rows[k].reactanceOhm; };
    const double centre = centreOf(band);
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (!(x(k) < 0 && x(k + 1) >= 0)) continue;
        const double at = f(k) + (0 - x(k)) * (f(k + 1) - f(k)) / (x(k + 1) - x(k));
        if (!e.found || std::abs(at - centre) < std::abs(e.mhz - centre)) e = {true, true, at};
    }
    if (e.found) return e;
    // Beyond an edge: X still below zero and rising at the top, or already
    // above zero and rising at the bottom.
    auto beyond = [&](std::size_t a, std::size_t b) -> ResonanceEstimate {
        const double slope = (x(b) - x(a)) / (f(b) - f(a));
        if (!(slope > 0) || !std::isfinite(slope)) return {};
        const double at = f(b) - x(b) / slope;
        if (!(std::abs(at - centre) <= farthestExtrapolationShare * centre)) return {};
        return {true, false, at};
    };
    ResonanceEstimate above, below;
    if (x(n - 1) < 0) above = beyond(n - 2, n - 1);
    if (x(0) >= 0) below = beyond(0, 1);
    if (above.found && (!below.found || std::abs(above.mhz - centre) <= std::abs(below.mhz - centre)))
        return above;
    return below;
}

std::vector<ResonanceEstimate> estimateResonances(const std::vector<Row>& rows,
                                                  const std::vector<Band>& bands) {
    std::size_t total = 0;
    for (const Band& b : bands) total += static_cast<std::size_t>(std::max(b.points, 0));
    if (total != rows.size()) return {};
    std::vector<ResonanceEstimate> out;
    auto from = rows.begin();
    for (const Band& b : bands) {
        const auto to = from + b.points;
        out.push_back(estimateResonance(std::vector<Row>(from, to), b));
        from = to;
    }
    return out;
}

Band narrowBand(double designMhz, double centreMhz, double halfSpanMhz, int points) {
    Band b;
    b.designMhz = designMhz;
    b.points = std::max(points, 2);
    const double stepKhz = std::max(1.0, std::round(2 * halfSpanMhz / kHz / (b.points - 1)));
    b.stepMhz = stepKhz * kHz;
    const double centre = std::round(centreMhz / kHz) * kHz;
    // To the hertz, so that the deck shows no rounding noise.
    b.startMhz = std::round((centre - b.stepMhz * (b.points - 1) / 2) * 1e6) / 1e6;
    // Never at or below zero: the sweep then starts at its first step.
    if (b.startMhz <= 0) b.startMhz = b.stepMhz;
    return b;
}

DeckOutcome deckWithBands(const Design& design, const ModelOptions& options, const std::vector<Band>& bands,
                          Language language) {
    ModelOutcome built = buildModel(design, options, language);
    if (!built.error.empty()) return {{}, {}, built.error};
    built.model.bands = bands;
    return {deckText(built.model), bands, {}};
}

DeckOutcome correctedDeck(const Design& original, const Design& corrected, const ModelOptions& options,
                          Language language) {
    const ModelOutcome from = buildModel(original, options, language);
    ModelOutcome built = buildModel(corrected, options, language);
    if (!built.error.empty()) return {{}, {}, built.error};
    // One card per line of the design it started from: nec2c reads a card
    // of at most 133 characters, and the rest of a longer one as the next
    // card (which then fails).
    built.model.comments.push_back(std::string(correctionText(CorrectionText::deckCorrected, language)));
    for (const std::string& line : from.model.comments) built.model.comments.push_back("  " + line);
    return {deckText(built.model), built.model.bands, {}};
}

}  // namespace zeliro::nec
