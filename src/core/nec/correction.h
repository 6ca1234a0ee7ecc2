#pragma once
// Correcting a design by simulation: the lengths (or the coil) that put the
// model's resonances on the design frequencies, for the installation chosen.
//
// What is changed:
// - half-wave dipole, horizontal or inverted V: the total length (both arms
//   alike, the angle kept);
// - two-band trap dipole: the inner and the outer wire of each arm together
//   (the trap as designed), both bands solved at once;
// - loading coil: the coil's inductance (lengths and coil position kept).
//
// The solver is Newton's method on the resonances, its Jacobian measured by
// finite differences and then kept up to date by Broyden's rule. It never
// runs the engine itself. The caller loops:
//
//   CorrectionOutcome out = startCorrection(input);
//   while (out.status == CorrectionStatus::running) {
//       for each probe of out.probes (all at once, one engine process each):
//           deck = probeDeck(probe, options) -> nec2c -> readNecOutput -> rows
//           estimates[probe] = estimateResonances(rows, probe.bands)
//       out = continueCorrection(out.state, estimates);
//   }
//   out.status: done (out.best resonates within ±1 kHz of every design
//   frequency) or failed (out.reason says why; out.best is the best design found).
//
// One call of continueCorrection is one step; at most maxCorrectionSteps.
// The bands of a probe may also run as decks of their own (deckWithBands with
// one band each, estimateResonance on each band's rows): every run of a step
// is independent of the others.

#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/analysis.h"
#include "core/nec/model.h"
#include "core/nec/output.h"

namespace zeliro::nec {

inline constexpr int maxCorrectionSteps = 12;
inline constexpr double correctionToleranceKhz = onFrequencyKhz;

// Where a few rows around a resonance put it.
struct ResonanceEstimate {
    bool found = false;   // X rises through zero in the rows, or heads for zero beyond them
    bool inside = false;  // ... inside the rows, linearly interpolated (else extrapolated)
    double mhz = 0;
};

// The resonance from the rows of one band's sweep (the row frequencies are
// taken from the band, exact): the upward zero crossing of X nearest the
// band's centre; else, when X heads for zero beyond an edge, the linear
// extrapolation of the two rows at that edge.
ResonanceEstimate estimateResonance(const std::vector<Row>& rows, const Band& band);

// The same for rows that hold the bands one after the other (one deck with
// every band); no estimates when the rows do not match the bands' points.
std::vector<ResonanceEstimate> estimateResonances(const std::vector<Row>& rows,
                                                  const std::vector<Band>& bands);

// A narrow sweep: `points` frequencies centred (to the kHz) on an estimate.
inline constexpr int narrowBandPoints = 5;
Band narrowBand(double designMhz, double centreMhz, double halfSpanMhz, int points = narrowBandPoints);

// One engine run a step asks for: a design and its narrow sweep per band.
struct Probe {
    Design design;
    std::vector<Band> bands;  // one per design frequency, in the design's band order
};

// The deck of a design with the sweeps given in place of the full ones (the
// wires are segmented as for the full sweep, so both see the same model).
DeckOutcome deckWithBands(const Design& design, const ModelOptions& options, const std::vector<Band>& bands,
                          Language language = Language::italian);
inline DeckOutcome probeDeck(const Probe& probe, const ModelOptions& options,
                             Language language = Language::italian) {
    return deckWithBands(probe.design, options, probe.bands, language);
}

// The deck of a corrected design: its comment cards say that it was
// corrected, and from which design.
DeckOutcome correctedDeck(const Design& original, const Design& corrected, const ModelOptions& options,
                          Language language = Language::italian);

// The figures the correction changes, in order: the total length (m), the
// inner and outer wire of each arm (m), or the coil's inductance (µH).
std::vector<double> correctedFigures(const Design& design);
Design withFigures(const Design& design, const std::vector<double>& figures);
std::vector<double> designFrequencies(const Design& design);

enum class CorrectionStatus { running, done, failed };

enum class CorrectionFailure {
    none,
    notConverged,      // still off after the last step
    noResonance,       // no resonance within reach of the model
    lengthToZero,      // a wire would shrink to nothing
    inductanceToZero,  // the coil would need no inductance or less
    reachesGround,     // an inverted V's ends would reach the ground
    noResponse,        // the resonances do not move with the figures
    badModel,          // the next design does not build (modelError says why)
    badResults,        // a probe's estimates missing or of the wrong count
};

struct CorrectionInput {
    Design design;
    ModelOptions options;
    // The resonances of the last full sweep of this design and options, per
    // band (empty when there is none, 0 for a band without one: the first
    // step then looks across the full sweep's span).
    std::vector<double> resonanceMhz;
};

// Everything the solver carries from one step to the next.
struct CorrectionState {
    Design original;
    ModelOptions options;
    int step = 0;                                  // steps done
    std::vector<double> point;                     // the figures where the solver stands
    std::vector<double> offMhz;                    // resonance - design there, per band (once measured)
    std::vector<double> jacobian;                  // d resonance / d figure, MHz per unit, row per band
    std::vector<double> halfSpan;                  // the next narrow sweeps' half span, MHz per band
    std::vector<Probe> probes;                     // what the step being run asked for
    std::vector<std::vector<double>> probePoints;  // their figures
    bool measuring = false;                        // probes after the first are finite differences
    std::vector<double> bestPoint;                 // the best design measured so far
    std::vector<double> bestOffMhz;
    double bestError = -1;  // its largest |offMhz|; < 0 before the first
};

struct CorrectionOutcome {
    CorrectionStatus status = CorrectionStatus::running;
    CorrectionState state;      // hand back with the probes' estimates
    std::vector<Probe> probes;  // running: run all of these, in any order or at once
    // The corrected design, or the best found so far (what to keep when the
    // caller stops: cancelled, or an engine run failed); the start before any.
    Design best;
    std::vector<double> bestResonanceMhz;  // its model resonances, per band (empty before any)
    CorrectionFailure reason = CorrectionFailure::none;
    std::string modelError;  // badModel: the model's own message
};

CorrectionOutcome startCorrection(const CorrectionInput& input, Language language = Language::italian);

// estimates: per probe of the last step (same order), per band.
CorrectionOutcome continueCorrection(const CorrectionState& state,
                                     const std::vector<std::vector<ResonanceEstimate>>& estimates,
                                     Language language = Language::italian);

}  // namespace zeliro::nec
