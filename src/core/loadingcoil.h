#pragma once
// The loading coil of a physically shortened dipole: the inductance of the
// coil that goes into each arm, from the wire diameter (mm), the frequency
// (MHz), the total length available (m) and the distance of each coil from the
// centre insulator (m). The classical handbook formula, worked in feet and
// inches (3.28 feet a metre, 25.4 mm an inch, pi squared taken as 9.869).
//
// The field values are single precision and so is 234 / f; every other step is
// double precision, in the order of loadingCoil().

#include <optional>
#include <string>
#include <vector>

#include "core/language.h"

namespace zeliro {

// The window-level variables of the loading-coil window: the two logarithmic
// terms of the last calculation in which each of them could be formed.
struct LoadingCoilVariables {
    double innerLogTerm = 0;  // ln(24 (234 / f - B) / D) - 1
    double outerLogTerm = 0;  // ln(24 (A - B) / D) - 1
};

struct LoadingCoilInput {
    std::string wireDiameterMm;  // Text1
    std::string frequencyMhz;    // Text2
    std::string totalLengthM;    // Text3
    std::string coilDistanceM;   // Text4
    LoadingCoilVariables variables;
    // The language of the texts read and written.
    Language language = Language::italian;
};

enum class LoadingCoilWarning {
    none,
    coilTooFar,     // errore3: the coil sits at or beyond the end of its arm
    noCoilsNeeded,  // errore1: the wire is not shorter than a half-wave dipole
};

struct LoadingCoilOutcome {
    // Whether the calculation ran at all: empty or unreadable fields end it
    // silently, with nothing changed.
    bool calculated = false;
    // The text for the result label, when the calculation writes one ("" shows
    // no value). Not set: the label keeps what it shows.
    std::optional<std::string> inductance;
    LoadingCoilWarning warning = LoadingCoilWarning::none;
    LoadingCoilVariables variables;
};

LoadingCoilOutcome loadingCoil(const LoadingCoilInput& input);

struct LoadingCoilReportInput {
    std::string wireDiameterMm;  // Text1 as typed
    std::string frequencyMhz;    // Text2
    std::string totalLengthM;    // Text3
    std::string coilDistanceM;   // Text4
    std::string inductance;      // Label9 as shown
    // The language of the texts read and written.
    Language language = Language::italian;
};

// The lines of the printed data report, one string a line.
std::vector<std::string> loadingCoilReport(const LoadingCoilReportInput& input);

}  // namespace zeliro
