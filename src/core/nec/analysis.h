#pragma once
// From the rows of a sweep to what the verification window shows: SWR against
// a reference impedance, the resonance of each band (the zero crossing of X
// from below nearest the design frequency, linearly interpolated), the
// minimum SWR, the SWR and impedance at the design frequency, the 2:1 and
// 1,5:1 bandwidths around the minimum, and the advice: the change of length,
// or of the loading coil, that brings the resonance onto the design
// frequency; without a resonance in the sweep, the direction from the sign of
// the reactance at the design frequency.

#include <string>
#include <vector>

#include "core/nec/model.h"
#include "core/nec/output.h"
#include "core/nec/texts.h"

namespace zeliro::nec {

inline constexpr double defaultReferenceOhm = 50;

// SWR of R + jX against a real reference; infinite when R <= 0.
double standingWaveRatio(double resistanceOhm, double reactanceOhm, double referenceOhm);

// The stretch of a band where SWR <= a limit, around the band's minimum.
struct Bandwidth {
    bool reached = false;  // SWR comes down to the limit somewhere in the band
    bool offLow = false;   // the stretch runs off the sweep's lower edge
    bool offHigh = false;  // ... or its upper edge
    double lowMhz = 0;     // interpolated edges (the sweep's edge where it runs off)
    double highMhz = 0;
    // A figure only when reached and inside the sweep on both sides.
    bool measured() const { return reached && !offLow && !offHigh; }
    double widthKhz() const { return (highMhz - lowMhz) * 1000; }
};

struct BandResult {
    Band band;
    bool resonant = false;        // X crosses zero from below somewhere in the band
    double resonanceMhz = 0;      // the crossing nearest the design frequency
    double deviationKhz = 0;      // resonance - design
    double deviationPercent = 0;  // of the design frequency
    double minimumSwr = 0;
    double minimumSwrMhz = 0;
    double swrAtDesign = 0;  // from R and X interpolated at the design frequency
    double resistanceAtDesignOhm = 0;
    double reactanceAtDesignOhm = 0;
    Bandwidth swr2;   // SWR <= 2
    Bandwidth swr15;  // SWR <= 1,5
};

struct AnalysisOutcome {
    std::vector<BandResult> bands;  // one per Band, in the same order; empty on error
    // The rows at their exact sweep frequencies (the report rounds them to
    // five significant digits): what to plot and to save.
    std::vector<Row> rows;
    std::string error;  // in the language asked for; empty on success
};

// rows: a reader's rows for the bands' sweeps, band after band in order (as
// one deck with every band gives them, or the bands' reports one after the
// other). Each row must lie at its sweep point (the report prints five
// significant digits); the analysis then works at the exact sweep frequency.
AnalysisOutcome analyse(const std::vector<Row>& rows, const std::vector<Band>& bands,
                        double referenceOhm = defaultReferenceOhm, Language language = Language::italian);

// A resonance this close to its design frequency is on frequency: the
// advice asks for no change, and the correction stops there.
inline constexpr double onFrequencyKhz = 1;

// What the window shows for one band (index 0 = the first, higher band).
struct BandTexts {
    std::string resonance;  // MHz, three decimals ("7,215"), or the no-resonance text
    std::string deviation;  // kHz, signed ("+160", "-12"), empty without resonance
    std::string swr;        // two decimals ("1,43")
    std::string impedance;  // "72,3 + j12,5" / "72,3 - j12,5"
    std::string bandwidth;  // kHz of SWR <= 2, or why there is no figure
    std::string advice;     // deviation in kHz and % and the change of length
};

BandTexts bandTexts(const BandResult& result, const Design& design, Language language = Language::italian);

// The rows as CSV (header, then f MHz, R, X, SWR per line; full stop as the
// decimal sign and a comma between fields, as other programs read it).
std::string csvText(const std::vector<Row>& rows, double referenceOhm = defaultReferenceOhm);

// A saved sweep: two comment lines ("# ...": the reference impedance, and the
// options the rows were computed with, in the language asked for), the
// header "band,f_MHz,R_ohm,X_ohm,SWR", then one line a row: the band (1 =
// the first, higher band), the frequency to the hertz, R and X to the
// hundredth of an ohm, SWR to three decimals ("inf" where R is not above 0).
// With a correction, one header still: a comment line per design, then the
// design's rows and the corrected design's, told apart by a first column
// "sweep" ("design" or "corrected").
// The options the rows were computed with, a line each: the reference
// impedance, the model's options, and the installation's (wire, soil, coax).
std::vector<std::string> optionsText(const ModelOptions& options, double referenceOhm, Language language);

struct CsvSweep {
    std::vector<Row> rows;    // analyse()'s rows, band after band
    std::vector<Band> bands;  // how many rows each band has
};
struct CsvInput {
    std::vector<Row> rows;
    std::vector<Band> bands;
    ModelOptions options;
    double referenceOhm = defaultReferenceOhm;
    Language language = Language::italian;
    // When the rows are a corrected design's: the designs, and the sweep of
    // the design as it was.
    struct Correction {
        Design design, corrected;
        CsvSweep designSweep;
    };
    std::optional<Correction> correction;
};
std::string csvText(const CsvInput& input);

}  // namespace zeliro::nec
