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
    std::optional<SwrMinimum> minimum;       // nearest the design frequency
    std::optional<double> reactanceZeroMhz;  // rising, nearest the design frequency
    std::optional<SwrBand> swr2;             // around the minimum
    // The measured resonance: the X zero where X is known, else the minimum.
    std::optional<double> resonanceMhz() const;
};

MeasuredBand measureBand(const MeasuredSweep& sweep, const Band& band);

// "SWR min 1,12 a 7,102 MHz, X = 0 a 7,104 MHz, banda 2:1 180 kHz,
// modello - misura +113 kHz" (the last part only with a model resonance).
std::string measuredText(const MeasuredBand& measured, const BandResult* model,
                         Language language = Language::italian);

// Reads a measured sweep file (its format from its name and contents); a file
// that cannot be opened gives an error as well.
SweepReading readSweepFile(const std::string& path, Language language = Language::italian);

// The frequency of minimum SWR for the trimming window: the dip nearest the
// wanted frequency typed (the deepest one when the text is empty or does not
// read), in MHz truncated to three decimals ("7,089"); empty for no points.
std::string minimumSwrText(const MeasuredSweep& sweep, std::string_view wantedMhzText,
                           Language language = Language::italian);

}  // namespace zeliro::nec
