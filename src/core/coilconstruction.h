#pragma once
// The inductance of a single-layer coil from its dimensions: mean radius of
// the winding, winding length and wire diameter (typed in mm, worked in cm)
// and the number of turns. The user changes the dimensions until the value
// matches the one the loading-coil window asked for.
//
// The field values, their conversions to centimetres and the quantities
// formed only from them and whole numbers are single precision; every other
// step is double precision, in the order of coilConstruction().

#include <optional>
#include <string>
#include <vector>

#include "core/language.h"

namespace zeliro {

// The window-level variables of the construction window, as the last
// calculation left them (0 before the first).
struct CoilConstructionVariables {
    float meanRadius = 0;        // a, cm
    float windingLength = 0;     // b, cm
    float wireDiameter = 0;      // d, cm
    float turns = 0;             // N
    float outerRadius = 0;       // r = a + d / 2, cm
    double windingLengthMm = 0;  // 10 b
    double correctionLog = 0;    // ln(100 + 14 r / (2 b) + 3 d)
};

struct CoilConstructionInput {
    std::string meanRadiusMm;     // Text1
    std::string windingLengthMm;  // Text2
    std::string wireDiameterMm;   // Text3
    std::string turns;            // Text5
    CoilConstructionVariables variables;
    // The language of the texts read and written.
    Language language = Language::italian;
};

enum class CoilConstructionWarning {
    none,
    windingTooShort,  // errore2: the turns do not fit side by side
};

struct CoilConstructionOutcome {
    // Whether the calculation ran at all: empty or unreadable fields end it
    // silently, with nothing changed.
    bool calculated = false;
    // The text for the result label when the calculation writes one ("" shows
    // no value); not set: the label keeps what it shows.
    std::optional<std::string> inductance;
    CoilConstructionWarning warning = CoilConstructionWarning::none;
    CoilConstructionVariables variables;
};

CoilConstructionOutcome coilConstruction(const CoilConstructionInput& input);

struct CoilConstructionReportInput {
    std::string meanRadiusMm;     // Text1 as typed
    std::string windingLengthMm;  // Text2
    std::string wireDiameterMm;   // Text3
    std::string turns;            // Text5
    std::string inductance;       // Label19 as shown
    // The language of the texts read and written.
    Language language = Language::italian;
};

// The lines of the printed data report, one string a line.
std::vector<std::string> coilConstructionReport(const CoilConstructionReportInput& input);

}  // namespace zeliro
