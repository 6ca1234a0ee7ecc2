#pragma once
// From the figures a calculation window shows to the design that "Verifica"
// checks, and the line that tells the user which figures those are. A figure
// that is missing, does not read or is not above zero gives no design.

#include <optional>
#include <string>
#include <string_view>

#include "core/language.h"
#include "core/nec/model.h"

namespace zeliro::nec {

// The half-wave dipole window: total length (m) and frequency (MHz).
// The figures are read in the language given (its decimal separator).
std::optional<Design> halfWaveOnDisplay(std::string_view lengthM, std::string_view frequencyMhz,
                                        bool invertedV, Language language = Language::italian);

struct TwoBandOnDisplay {
    std::string_view innerWireM, outerWireM, inductanceUh, capacitancePf, firstMhz, secondMhz;
    bool invertedV = false;
    Language language = Language::italian;
};
std::optional<Design> twoBandOnDisplay(const TwoBandOnDisplay& shown);

struct LoadingCoilOnDisplay {
    std::string_view totalLengthM, wireDiameterMm, inductanceUh, coilDistanceM, frequencyMhz;
    Language language = Language::italian;
};
std::optional<Design> loadingCoilOnDisplay(const LoadingCoilOnDisplay& shown);

// The figures of the design, as the window writes numbers
// ("orizzontale, lunghezza totale 20,21 m, 7,05 MHz").
std::string describeDesign(const Design& design, Language language = Language::italian);

// The design with figures a builder can use: lengths to the millimetre,
// inductances to the hundredth of a µH, capacitances to the hundredth of a pF,
// frequencies to the hertz (a correction finds lengths to many more digits).
Design roundedDesign(const Design& design);

}  // namespace zeliro::nec
