#pragma once
// Trimming a dipole that has been built and measured.
//
// The dipole is taken to have been cut to the length that the constant of its
// type gives for the wanted frequency. That length times the frequency of
// minimum SWR is the constant of the antenna as built, and the length that
// resonates on the wanted frequency follows from it. The difference, in whole
// millimetres truncated toward zero, is split equally between the two arms.

#include <string>
#include <vector>

#include "core/fixeddecimal.h"
#include "core/language.h"

namespace zeliro {

// Length-frequency constants of this window, metres times MHz for the whole
// dipole.
inline constexpr double horizontalTrimmingConstant = 140.5;
inline constexpr double invertedVTrimmingConstant = 141.427;

// Captions of the three verdict labels.
inline constexpr const char* shortenVerdict = "ACCORCIARLO di cm";  // Label4
inline constexpr const char* lengthenVerdict = "ALLUNGARLO di cm";  // Label6
inline constexpr const char* unchangedVerdict = "INVARIARLO";       // Label7

struct VerdictCaptions {
    const char* shorten;
    const char* lengthen;
    const char* unchanged;
};
VerdictCaptions verdictCaptions(Language language);

// Window-level variables of the trimming window: the chosen type and the last
// converted inputs and lengths, kept for the whole run.
struct TrimmingVariables {
    double dipoleConstant = 0;
    std::string dipoleConfiguration;  // "ORIZZONTALE" or "INVERTED V" ("HORIZONTAL" in English)
    FixedDecimal wantedFrequency;     // MHz
    FixedDecimal measuredFrequency;   // MHz, of minimum SWR
    double builtLength = 0;           // m
    double lengthFrequencyProduct = 0;
    double requiredLength = 0;    // m
    double lengthDifference = 0;  // m; positive: lengthen
    FixedDecimal armCorrection;   // m, signed, per arm
};

void selectHorizontal(TrimmingVariables& variables, Language language = Language::italian);  // "Orizzontale"
void selectInvertedV(TrimmingVariables& variables, Language language = Language::italian);   // "Inverted  v"

struct TrimmingInput {
    std::string wantedText;    // Text1 as typed
    std::string measuredText;  // Text2 as typed
    bool typeChosen = false;
    TrimmingVariables variables;
    // The language of the texts read and written.
    Language language = Language::italian;
};

struct TrimmingOutcome {
    enum class Action {
        selectType,   // no dipole type: errore1
        nothing,      // an empty field: nothing changes
        showVerdict,  // the verdict labels, Label5 and the drawing as below
    };
    Action action = Action::nothing;
    // Figures that cannot give a sound correction (a wanted frequency of 0, a
    // negative frequency, a text that does not read as a number, a correction
    // too large to hold) show no verdict, an empty correction and no extra
    // drawing.
    bool shorten = false;        // Label4; Line3, the piece to take off
    bool lengthen = false;       // Label6; Line2, Shape3 and Label12, the piece to add
    bool unchanged = false;      // Label7
    std::string correctionText;  // Label5: signed centimetres per arm
    TrimmingVariables variables;
};

TrimmingOutcome computeTrimming(const TrimmingInput& input);

// A verdict label as the screen shows it.
struct VerdictLabel {
    std::string caption;
    bool visible = false;
};

struct TrimmingReportInput {
    std::string wantedText;    // Text1
    std::string measuredText;  // Text2
    // Label7, Label6 and Label4, in this order: the last visible one is printed.
    std::vector<VerdictLabel> verdicts;
    std::string correctionText;  // Label5
    std::string dipoleConfiguration;
    // The language of the texts read and written.
    Language language = Language::italian;
};

std::vector<std::string> trimmingReport(const TrimmingReportInput& input);

}  // namespace zeliro
