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

#include "frame/fixeddecimal.h"

namespace zeliro::trimming {

// Length-frequency constants (metres times MHz for the whole dipole) and the
// configuration names the report prints.
constexpr double horizontalConstant = 140.5;
constexpr double invertedVConstant = 141.427;
inline const std::string horizontalName = "ORIZZONTALE";
inline const std::string invertedVName = "INVERTED V";

// Captions of the verdict labels.
inline const std::string shortenCaption = "ACCORCIARLO di cm";  // Label4
inline const std::string lengthenCaption = "ALLUNGARLO di cm";  // Label6
inline const std::string unchangedCaption = "INVARIARLO";       // Label7

// The window-level variables; they outlive the window and "RESETTA".
struct Variables {
    double dipoleConstant = 0;
    std::string dipoleConfiguration;
    FixedDecimal wantedFrequency;
    FixedDecimal measuredFrequency;
    double builtLength = 0;
    double lengthFrequencyProduct = 0;
    double requiredLength = 0;
    double lengthDifference = 0;
    FixedDecimal armCorrection;
};

// What selecting an option stores.
void selectHorizontal(Variables& variables);
void selectInvertedV(Variables& variables);

struct Input {
    std::string wanted;    // Text1, as typed
    std::string measured;  // Text2, as typed
    bool typeSelected = false;
    Variables variables;
};

struct Outcome {
    enum class Kind {
        nothing,     // an empty field: nothing changes
        selectType,  // no dipole type selected: errore1 runs
        noResult,    // no usable figures: no verdict, no correction, no extra drawing
        result,      // a verdict with its correction
    };
    Kind kind = Kind::nothing;
    // For noResult and result: what the window shows.
    bool shorten = false;    // Label4, and Line3 (the piece to take off)
    bool lengthen = false;   // Label6, and Line2, Shape3, Label12 (the piece to add)
    bool unchanged = false;  // Label7
    std::string correction;  // Label5: the signed correction per arm in cm
    Variables variables;     // updated for every kind
};

// "CALCOLA".
Outcome calculate(const Input& input);

// A verdict label as it stands on the screen.
struct ShownLabel {
    std::string caption;
    bool visible = false;
};

struct ReportInput {
    std::string wanted;    // Text1
    std::string measured;  // Text2
    // Label7, Label6 and Label4, in this order: the last visible one is printed.
    std::vector<ShownLabel> verdicts;
    std::string correction;  // Label5
    std::string dipoleConfiguration;
};

// "Stampa solo i dati": the report's lines.
std::vector<std::string> dataReport(const ReportInput& input);

}  // namespace zeliro::trimming
