#pragma once
// The half-wave dipole: total length in metres = configuration constant /
// frequency in MHz, the frequency held in single precision, the quotient in
// double precision, truncated to two decimals.

#include <string>
#include <vector>

#include "core/language.h"

namespace zeliro {

// Window-level variables of the half-wave dipole window: the last chosen
// configuration and the last converted inputs, kept for the whole run.
struct HalfWaveVariables {
    std::string dipoleConstant;       // "142,5" or "141,427"; empty until chosen
    std::string dipoleConfiguration;  // "ORIZZONTALE" or "INVERTED V" ("HORIZONTAL" in English)
    float frequency = 0;
    double totalLength = 0;
};

// The constant stays in its Italian text whatever the language: it is never
// shown, and so it reads back the same in every run.
void selectHorizontal(HalfWaveVariables& variables, Language language = Language::italian);  // "Orizzontale"
void selectInvertedV(HalfWaveVariables& variables, Language language = Language::italian);   // "Inverted  V"

struct HalfWaveInput {
    std::string frequencyText;  // Text1 as typed
    bool configurationChosen = false;
    HalfWaveVariables variables;
    // The language of the texts read and written.
    Language language = Language::italian;
};

struct HalfWaveOutcome {
    enum class Action {
        selectConfiguration,  // no configuration: errore1
        nothing,              // empty field: nothing changes
        showLength,           // Label7 := lengthText
    };
    Action action = Action::nothing;
    std::string lengthText;  // empty when no length can be computed
    HalfWaveVariables variables;
};

HalfWaveOutcome computeHalfWave(const HalfWaveInput& input);

struct HalfWaveReportInput {
    std::string frequencyText;  // Text1
    std::string lengthText;     // Label7
    std::string dipoleConfiguration;
    // The language of the texts read and written.
    Language language = Language::italian;
};

std::vector<std::string> halfWaveReport(const HalfWaveReportInput& input);

}  // namespace zeliro
