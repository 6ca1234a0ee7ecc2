#pragma once
// What the verification window says about a correction: the corrected
// figures with their change (labels corretto1 and corretto2), why a
// correction failed, and the comment card of a corrected deck. Figures follow
// the language's number rules; lengths are truncated to the centimetre, an
// inductance to 0,01 µH, changes toward zero.

#include <string>
#include <string_view>

#include "core/language.h"
#include "core/nec/correction.h"

namespace zeliro::nec {

enum class CorrectionText {
    // the corrected figures: %1 figure, %2 signed change, %3 each arm
    totalLength,
    innerWire,
    outerWire,
    coil,
    // why a correction ended without a design on frequency
    notConverged,
    noResonance,
    lengthToZero,
    inductanceToZero,
    reachesGround,
    noResponse,
    badModel,
    badResults,
    // the comment card of a corrected deck, above the cards of the design it started from
    deckCorrected,
    // a correction done: %1 steps, %2 the largest distance of a resonance from its design frequency
    done,
};

std::string_view correctionText(CorrectionText which, Language language = Language::italian);

struct CorrectionLabels {
    std::string corretto1;  // total length and each arm; the inner wire; the coil
    std::string corretto2;  // the outer wire of a two-band dipole; empty otherwise
};

// The corrected design against the one it started from (both of one kind).
CorrectionLabels correctionLabels(const Design& original, const Design& corrected,
                                  Language language = Language::italian);

// A correction done in `steps`, its corrected sweep's resonances that far
// from the design frequencies (kHz, one a band).
std::string correctionDoneText(int steps, const std::vector<double>& deviationsKhz,
                               Language language = Language::italian);

// Why the correction failed (the model's message for badModel); empty for none.
std::string correctionFailureText(CorrectionFailure reason, const std::string& modelError = {},
                                  Language language = Language::italian);

}  // namespace zeliro::nec
