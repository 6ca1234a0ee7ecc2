#pragma once
// What the files of the radiation pattern share (pattern.h is their public
// face): the texts of the pattern page and of the height study, the numbers
// of a deck, and the directions an RP card asks for.

#include <string>
#include <vector>

#include "core/language.h"
#include "core/nec/pattern.h"

namespace zeliro::nec::patternparts {

// The texts of the pattern page and of the height study.
enum class PatternText {
    noPattern,
    patternNotANumber,
    wrongDirections,
    noCut,
    freeSpaceStudy,
    gain,
    degrees,
    nvis,
    metres,
    wavelengths,
    headingHeight,
    headingWavelengths,
    headingGain,
    headingTakeOff,
};

// The text in the language, with %1... filled in (patterntexts.cpp).
std::string textOf(PatternText which, Language language, const std::vector<std::string>& arguments = {});

// v truncated to the decimals, as the language writes it.
std::string truncated(double v, int decimals, Language language);

// The report writes angles with two decimals.
constexpr double angleTolerance = 0.006;

// The shortest text that reads back as v rounded to 15 significant digits.
std::string number(double v);

// The RP card of a cut, and the direction (theta, phi) of its i-th point:
// theta moves fastest, as nec2c writes a block.
struct Sweep {
    double theta0 = 0, phi0 = 0;
    double thetaStep = 0, phiStep = 0;
    int thetas = 1, phis = 1;

    double theta(int i) const { return theta0 + (i % thetas) * thetaStep; }
    double phi(int i) const { return phi0 + (i / thetas) * phiStep; }
};

Sweep sweepOf(const Cut& cut);

}  // namespace zeliro::nec::patternparts
