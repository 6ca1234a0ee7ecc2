#pragma once
// The two-band dipole with coax traps. Each arm is an inner wire from the
// centre insulator to a trap, the trap (a coil wound from coaxial cable on a
// former, whose inductance and the cable's own capacitance resonate), and an
// outer wire to the end insulator. The inner wire is a quarter wave of the
// first (higher) frequency; inner wire, cable and outer wire together are a
// quarter wave of the second (lower) one.
//
// Numbers: the inputs are single precision (the two radii typed in mm and
// divided by 10 into cm in single precision); sums of inputs and the
// denominator of the inductance stay single precision; every operation with
// a decimal constant, a power, a square root or a division is double
// precision. A step that fails (a text that does not convert, a division by
// zero, an overflow) leaves its quantity at 0 and the computation goes on.

#include <optional>
#include <string>
#include <vector>

#include "core/language.h"

namespace zeliro {

// Window-level constants of the two-band window, set by the configuration
// buttons; they keep their values for the whole run.
struct TrapDipoleConstants {
    double armConstant = 0;   // metres times MHz of one arm
    double trapConstant = 0;  // MHz from the square root of µH times pF
};

enum class DipoleShape { None, Horizontal, InvertedV };

// What a configuration button sets.
struct DipoleConfiguration {
    TrapDipoleConstants constants;
    std::string label41;  // the configuration as the data report names it
};
DipoleConfiguration dipoleConfiguration(DipoleShape shape, Language language = Language::italian);

enum class CableChoice { None, RG58U, RG223, RG174, RG213, Manual };

// What a cable button writes: the capacitance per cm and the radius in mm as
// texts, whether the manual cable field shows, and the designation that the
// data report puts after "RG ".
struct CablePreset {
    std::string capacitanceText;  // Text4
    std::string radiusText;       // Text2
    bool manual = false;          // Text7 and Label43 shown
    std::string designation;      // " 58", ... ("" in manual mode)
};
// The texts are written by the number rules of the language.
CablePreset cablePreset(CableChoice cable, Language language = Language::italian);

struct TrapDipoleInput {
    std::string supportRadius;              // Text1, mm
    std::string cableRadius;                // Text2, mm
    std::string turns;                      // Text3
    std::string capacitancePerCm;           // Text4, pF per cm
    std::string firstFrequency;             // Text5, MHz (the higher one)
    std::string secondFrequency;            // Text6, MHz (the lower one)
    DipoleShape shape = DipoleShape::None;  // which configuration button is on
    TrapDipoleConstants constants;
    // The language of the texts read and written.
    Language language = Language::italian;
};

// Which warning routine of the window runs after the results are shown.
enum class TrapWarning {
    None,
    SecondNotBelowFirst,  // errore1
    CutoffNotAboveFirst,  // errore2
    CutoffTooHigh,        // errore3
    NoConfiguration,      // errore4
};

// The texts for the result labels; an empty optional leaves the label alone.
// After them the warning, if any, runs.
struct TrapDipoleOutcome {
    std::optional<std::string> coilCapacitance;  // Label31, pF
    std::optional<std::string> coilInductance;   // Label32, µH
    std::optional<std::string> cutoffFrequency;  // Label26, MHz
    std::optional<std::string> cableLength;      // Label23, cm
    std::optional<std::string> innerWire;        // Label24, m
    std::optional<std::string> outerWire;        // Label25, m
    TrapWarning warning = TrapWarning::None;
};

TrapDipoleOutcome computeTrapDipole(const TrapDipoleInput& input);

// What the data report reads from the window at the moment it prints.
struct TrapDipoleScreen {
    std::string text1, text2, text3, text4, text5, text6, text7;
    std::string label41;  // configuration caption
    std::string label23, label24, label25, label26, label31, label32;
    CableChoice cable = CableChoice::None;  // the cable button that is on
    // The language of the texts read and written.
    Language language = Language::italian;
};

std::vector<std::string> trapDipoleReport(const TrapDipoleScreen& screen);

}  // namespace zeliro
