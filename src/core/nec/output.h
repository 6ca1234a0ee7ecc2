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

// A text with none of a report's marks (its banner, a frequency, the
// impedance table, the closing run time) is told apart from a report cut
// short. Fault words count only on the engine's own lines, never in the
// echoed comment cards.
OutputOutcome readNecOutput(std::string_view report, Language language = Language::italian);

// The engine's own words on a fault, to show under the program's sentence:
// the report's fault line, after the data card it was reading where the
// report echoes one ("DATA CARD No: 1 EX 0 7 11 ...\nNO SEGMENT HAS AN ITAG
// OF 7"); empty when the report names no fault.
std::string reportFault(std::string_view report);

// The last non-blank lines of a text (the engine's error output), blanks
// made single and each line cut at 120 characters, joined by "\n".
std::string lastLines(std::string_view text, std::size_t count = 5);

// reportFault() where the report names a fault, else lastLines(errorOutput).
std::string engineMessage(std::string_view report, std::string_view errorOutput);

}  // namespace zeliro::nec
