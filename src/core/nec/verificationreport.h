#pragma once
// The verification's printed report, as lines of a fixed-pitch page: the
// design and where it came from, every option, the results band by band,
// the corrected design, the pattern's figures and the height study, each
// part only where there is one. The window prints the plots under the lines.

#include <optional>
#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/analysis.h"
#include "core/nec/model.h"
#include "core/nec/pattern.h"

namespace zeliro::nec {

struct VerificationReport {
    Language language = Language::italian;
    std::string opener;  // the window the design came from ("DIPOLO STANDARD")
    Design design;
    std::optional<Design> corrected;
    std::optional<ModelOptions> options;  // of the results; none before a simulation
    double referenceOhm = defaultReferenceOhm;
    std::vector<double> designMhz;      // a band each
    std::vector<BandTexts> bands;       // as the window shows them
    std::vector<std::string> measured;  // a band each, empty without a measurement
    std::vector<double> patternMhz;
    std::vector<PatternTexts> pattern;
    std::optional<HeightTable> heights;
};

// At most this many characters a line: a 10-point fixed-pitch line across
// A4 or Letter with 15 mm margins.
inline constexpr std::size_t reportWidth = 84;

std::vector<std::string> reportLines(const VerificationReport& report);

}  // namespace zeliro::nec
