#pragma once
// The coax between the analyser (or the radio) and the antenna: a catalogue
// of common cables, the lossy line as a two-port, a measured sweep taken back
// to the feed point through it, and the model's impedance carried forward to
// the shack end.
//
// The line: γ = α + jβ per metre, α from the cable's matched loss at the
// frequency (dB → neper), β = 2πf / (VF·c); Z0 is taken as real (the small
// imaginary part a lossy cable has at HF is left out). Its ABCD matrix,
// from the shack end to the antenna end:
//   | cosh γl       Z0 sinh γl |
//   | sinh γl / Z0  cosh γl    |
// so that the shack end sees Zin = (A·ZL + B) / (C·ZL + D), and a load
// measured through it is ZL = (D·Zin − B) / (A − C·Zin).

#include <complex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"
#include "core/nec/output.h"
#include "core/sweep/sweep.h"

namespace zeliro::nec {

// A cable's matched loss at one frequency.
struct CableLoss {
    double frequencyMhz = 0;
    double dbPer100m = 0;
    bool operator==(const CableLoss&) const = default;
};

struct Cable {
    std::string name;  // as the catalogue names it; empty for the user's own
    double impedanceOhm = 50;
    double velocityFactor = 0.66;
    // Matched loss at rising frequencies: log-log between them, growing with
    // √f beyond the first and the last (one point alone scales with √f).
    std::vector<CableLoss> loss;
    bool operator==(const Cable&) const = default;
};

// RG-58, RG-8X, RG-213, LMR-400, H155, H2000 Flex, Aircell 7: typical
// datasheet figures (the README names the sources).
const std::vector<Cable>& cableCatalogue();
// The catalogue's cable of that name (as written there), or nothing.
const Cable* findCable(std::string_view name);
// The user's own cable: its loss at 10 MHz, growing with √f.
Cable ownCable(double impedanceOhm, double velocityFactor, double dbPer100mAt10Mhz);

// The matched loss in dB per 100 m at the frequency.
double matchedLoss(const Cable& cable, double frequencyMhz);

// A length of cable; a length of 0 is no cable at all.
struct Feedline {
    Cable cable;
    double lengthM = 0;
    bool operator==(const Feedline&) const = default;
};

// The fault of a feedline's figures in the language asked for; empty when it is sound.
std::string feedlineError(const Feedline& line, Language language = Language::italian);

struct Abcd {
    std::complex<double> a, b, c, d;
};
Abcd lineMatrix(const Feedline& line, double frequencyMhz);

// The impedance the shack end sees with `feedPoint` at the antenna end, and
// the one at the antenna end that the shack end sees as `shackEnd`.
std::complex<double> atShackEnd(const Feedline& line, double frequencyMhz, std::complex<double> feedPoint);
std::complex<double> atFeedPoint(const Feedline& line, double frequencyMhz, std::complex<double> shackEnd);

// The standing wave ratio of an impedance on a reference resistance; +inf
// where the resistance is not above zero.
double swrOn(std::complex<double> impedance, double referenceOhm);

// A measured sweep taken back to the feed point: every point's impedance
// through the line, its SWR again on the sweep's reference. Refused for a
// sweep of SWR alone, and where a point would come back with no positive
// resistance (the cable's figures do not fit the measurement).
struct FeedPointSweep {
    std::optional<MeasuredSweep> sweep;
    std::string error;  // in the language asked for; empty with a sweep
};
FeedPointSweep toFeedPoint(const MeasuredSweep& measured, const Feedline& line,
                           Language language = Language::italian);

// "riportata al punto di alimentazione attraverso 10 m di RG-58", for the
// summary of a sweep taken back; empty without a cable.
std::string throughCableText(const Feedline& line, Language language = Language::italian);

// "cavo tra analizzatore e antenna: 10 m di RG-58 (50 ohm, fattore di
// velocità 0.66)", for a saved deck's and CSV's comments (figures with a
// full stop, as theirs); empty without a cable.
std::string cableText(const Feedline& line, Language language = Language::italian);

// The model's rows as the radio sees them at the shack end, SWR on the reference.
struct ShackEndRow {
    double frequencyMhz = 0;
    double resistanceOhm = 0;
    double reactanceOhm = 0;
    double swr = 1;
};
// The line must be sound (feedlineError empty); without a cable the rows stay as they are.
std::vector<ShackEndRow> atShackEnd(const std::vector<Row>& rows, const Feedline& line, double referenceOhm);

}  // namespace zeliro::nec
