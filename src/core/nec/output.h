#pragma once
// Reading nec2c's text report: one row per frequency with the feed impedance.
//
// For every "FREQUENCY : 7.0500E+00 MHz" line the report must hold an
// "ANTENNA INPUT PARAMETERS" block whose data line gives the impedance. Any
// fault (an error written by the engine, no table, a truncated report, a
// figure that is not a finite number, a frequency without impedance, an empty
// report) gives an error naming it and no rows at all.

#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"

namespace zeliro::nec {

// The feed impedance R + jX (ohms) at one frequency (MHz).
struct Row {
    double frequencyMhz = 0;
    double resistanceOhm = 0;
    double reactanceOhm = 0;
};

struct OutputOutcome {
    std::vector<Row> rows;  // in the report's order; empty on error
    std::string error;      // in the language asked for; empty when rows were read
};

OutputOutcome readNecOutput(std::string_view report, Language language = Language::italian);

}  // namespace zeliro::nec
