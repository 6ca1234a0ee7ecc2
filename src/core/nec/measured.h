#pragma once
// A measured sweep beside the model, band by band: where the measured SWR is
// lowest near the design frequency, where X passes zero from below (when the
// file gives X), the measured 2:1 bandwidth, and how far the model's
// resonance lies from the measured one.

#include <optional>
#include <string>

#include "core/nec/analysis.h"
#include "core/sweep/sweep.h"

namespace zeliro::nec {

struct MeasuredBand {
    bool hasPoints = false;                  // the sweep reaches into the band
    std::optional<SwrMinimum> minimum;       // the dip nearest the design frequency, if any
    SwrMinima minima;                        // every dip, and an edge the SWR still falls toward
    std::optional<double> reactanceZeroMhz;  // rising, nearest the design frequency
    std::optional<SwrBand> swr2;             // around the minimum
    // The impedance the SWR was measured against, for a sweep that gives SWR
    // only (one that gives R and X is re-referenced to the window's own).
    std::optional<double> swrOnlyReferenceOhms;
    // The measured resonance: the X zero where X is known, else the dip; none
    // where the SWR has no dip (flat, or still falling at an edge).
    std::optional<double> resonanceMhz() const;
};

MeasuredBand measureBand(const MeasuredSweep& sweep, const Band& band);

// "SWR min 1,12 a 7,102 MHz, X = 0 a 7,104 MHz, banda 2:1 180 kHz,
// modello - misura +113 kHz" (the last part only with a model resonance).
// Every dip is named; without one the text says that there is no minimum,
// or at which edge the SWR is lowest and on which side the resonance lies.
// An SWR-only sweep adds the impedance it was measured at.
std::string measuredText(const MeasuredBand& measured, const BandResult* model,
                         Language language = Language::italian);

// Reads a measured sweep file (its format from its name and contents); a file
// that cannot be opened gives an error as well.
SweepReading readSweepFile(const std::string& path, Language language = Language::italian);

// The same sweep with its SWR worked out again against another reference
// impedance, where the sweep gives R and X. An SWR-only sweep, or a reference
// that is not a positive finite number, gives the sweep unchanged.
MeasuredSweep atReference(const MeasuredSweep& sweep, double referenceOhms);

// The measured resonance for the trimming window, taken as the verification
// takes it (X = 0 where the sweep gives X, else the dip nearest the wanted
// frequency typed), when it lies within maximumTrimmingShare of that.
// Otherwise no figure and a message saying why (no wanted frequency typed,
// no minimum in the sweep, the SWR still falling at an edge, or minima only
// too far from the wanted frequency).
inline constexpr double maximumTrimmingShare = 0.10;

struct TrimmingMinimum {
    std::string figure;   // MHz rounded to three decimals ("7,089"); empty with a message
    std::string message;  // a sentence for the user; empty with a figure
    std::string note;     // with a figure from a sweep of several dips: which it took, and the others
};

TrimmingMinimum trimmingMinimum(const MeasuredSweep& sweep, std::string_view wantedMhzText,
                                Language language = Language::italian);

// trimmingMinimum's figure alone.
std::string minimumSwrText(const MeasuredSweep& sweep, std::string_view wantedMhzText,
                           Language language = Language::italian);

}  // namespace zeliro::nec
