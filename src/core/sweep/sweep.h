#pragma once
// Measured sweeps, as antenna analysers and VNA programs save them, and the
// little analysis the windows draw from them.
//
// Reading: one pass over the stream, line by line; only the points are kept
// (32 bytes each), never the text. A file either reads whole or gives one
// error naming its line: no partial sweep ever comes back.
//
//   Touchstone 1.x, one port (.s1p): "# <unit> <parameter> <format> R <ohms>",
//     units Hz, kHz, MHz, GHz; S parameters (Z and Y too, normalised to R);
//     formats MA, DB, RI; GHz, S, MA and R 50 for whatever the line leaves
//     out. "!" starts a comment. Each data line: frequency and one complex value.
//     The option line comes before the data; one after a data line is refused
//     (the frequencies before it were read in another unit).
//   Touchstone 2 ("[Version] 2.0" first): the same option line, then
//     "[Number of Ports] 1", "[Reference] <ohms>" (on its line or the next;
//     it takes the place of the option line's R), "[Number of Frequencies]"
//     (checked against the points read), the data between "[Network Data]"
//     and "[End]"; Z and Y are then in ohms and siemens, not normalised.
//     More than one port, or mixed-mode data, is refused.
//   CSV: comma, semicolon, tab (or blank) separated, with a header row or not;
//     frequency plus SWR, or R and X, or S11 as real and imaginary parts, on
//     50 ohm. The header's words say which column is which ("Frequency (Hz)",
//     "Freq", "SWR", "VSWR", "ROS", "R", "Rs", "X", "Re(Z)", "S11 real", "Re",
//     "Im"...; other columns are passed over, S21 and the like refused); text
//     lines before the header are passed over too. Without a header the
//     column count says which: 2 = f, SWR; 3 = f, R, X; 4 = f, SWR, R, X; more
//     is refused as a second port. The frequency unit comes from the header;
//     where it names none, from the frequency the sweep was expected around
//     (SweepHints): the unit that puts that frequency within a factor of ten
//     of the measured range; a file no unit fits is refused, asking for a unit
//     in the header. Without an expected frequency, from the highest
//     frequency: from 100000 up Hz, from 1000 up kHz, below that MHz. An
//     assumed unit is noted in the sweep (assumedUnitPower). A decimal comma is read where the separator is
//     not a comma. Lines starting with "!" or "#" are comments. Where both are given, the SWR column is taken
//     as written and R and X as the impedance.
//
// Frequencies must rise (strictly) in both formats. Limits: 1,000,000 points,
// 128 MiB, 4096 bytes a line.

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"

namespace zeliro {

struct SweepPoint {
    double frequencyMHz = 0;
    double swr = 1;         // standing wave ratio on the sweep's reference resistance, >= 1
    double resistance = 0;  // ohms; meaningful only when the sweep's impedanceKnown
    double reactance = 0;   // ohms; likewise
};

struct MeasuredSweep {
    std::vector<SweepPoint> points;  // frequencies strictly rising
    double referenceOhms = 50;
    bool impedanceKnown = false;  // false for a file that gives SWR only
    // The frequency unit (a power of ten in Hz) when the file did not name
    // it and the reader chose it from the values; for the summary.
    std::optional<int> assumedUnitPower{};
};

// What the reader is told besides the file.
struct SweepHints {
    std::optional<double> expectedMHz;  // the design frequency the sweep was made around
};

enum class SweepFormat { touchstone, csv };

enum class SweepProblem {
    none,
    empty,               // no bytes, or nothing but blanks and comments
    binary,              // NUL or control bytes, or UTF-16 text
    lineTooLong,         // more than 4096 bytes without a line end
    tooLarge,            // more than 1,000,000 points or 128 MiB
    notANumber,          // a value that does not read as a number
    columnCount,         // too few values, or a count that changes
    secondPort,          // a file of more than one port
    frequencyNotRising,  // a frequency equal to or below the one before
    negativeFrequency,
    noSwr,           // |S11| >= 1, SWR below 1, or R not above 0
    badOptionLine,   // a Touchstone option line that does not read
    unknownColumns,  // a CSV header naming no usable columns
    outOfRange,      // a frequency above 1E15 in its unit, or values beyond a double
    badKeyword,      // a Touchstone 2 keyword that does not read or fit
    unknownUnit,     // a CSV without a frequency unit that no unit fits
};

// line: the line of the file, counted from 1 (0 where the fault is the file
// as a whole). message: a sentence for the user in the language asked for,
// naming the line.
struct SweepError {
    std::size_t line = 0;
    SweepProblem problem = SweepProblem::none;
    std::string message;
};

// Exactly one of the two is filled: the sweep, or the error.
struct SweepReading {
    std::optional<MeasuredSweep> sweep;
    SweepError error;
    bool ok() const { return sweep.has_value(); }
};

// The format from the file name: ".s1p" (any case) is Touchstone; ".s2p",
// ".s3p"... are refused as more than one port; anything else is Touchstone
// when an option line ("#" followed by a unit, parameter, format or R) comes
// before the first data line, and CSV otherwise.
SweepReading readSweep(std::istream& in, std::string_view fileName, Language language = Language::italian,
                       const SweepHints& hints = {});
SweepReading readSweep(std::istream& in, SweepFormat format, Language language = Language::italian,
                       const SweepHints& hints = {});

// The file at path, as readSweep by its name; one that cannot be opened gives
// an error too.
SweepReading readSweepFile(const std::string& path, const SweepHints& hints,
                           Language language = Language::italian);

// "frequenze in kHz" ("frequencies in kHz") for a sweep whose unit was
// assumed; empty where the file named it.
std::string assumedUnitText(const MeasuredSweep& sweep, Language language = Language::italian);

// ---- Analysis ----

// A dip of the SWR curve: a stretch that falls and then rises again each by at
// least dipDepth in |Γ| = (SWR - 1) / (SWR + 1), so that a ripple of the
// instrument's noise is no dip. Its frequency is the vertex of the parabola
// through its lowest point and the two beside it, so that it does not stay on
// the sweep's grid; where several points share the lowest SWR, the midpoint
// between the first and last of them.
inline constexpr double dipDepth = 0.02;

struct SwrMinimum {
    double frequencyMHz = 0;
    double swr = 1;
    bool isDip = false;  // false: the curve has no dip, this is its lowest point (often an end)
};

// The dip nearest wantedMHz (the lower SWR on a tie); without wantedMHz the
// deepest dip. A curve without a dip gives its lowest point (isDip false).
// An empty sweep gives nothing.
std::optional<SwrMinimum> minimumSwr(const MeasuredSweep& sweep, std::optional<double> wantedMHz = {});

// Every dip of the curve, and where it is still falling at an edge. A dip
// counts only where the SWR falls into it and rises out of it again within
// the sweep, each by at least dipDepth; a curve that falls by as much toward
// an edge without rising again has its lowest point there, and the resonance
// lies beyond that edge. A curve with neither (flat, or a ripple) has no
// minimum at all.
struct SwrMinima {
    std::vector<SwrMinimum> dips;        // rising frequency, each isDip
    std::optional<SwrMinimum> lowEdge;   // falling toward the start: resonance below the sweep
    std::optional<SwrMinimum> highEdge;  // still falling at the end: resonance above the sweep
    bool none() const { return dips.empty() && !lowEdge && !highEdge; }
};
SwrMinima swrMinima(const MeasuredSweep& sweep);

// Where the reactance passes through zero, linearly interpolated between
// neighbouring points; a point at exactly zero counts once. rising: X goes
// from negative to positive (series resonance). Empty unless impedanceKnown.
struct ReactanceZero {
    double frequencyMHz = 0;
    bool rising = true;
};
std::vector<ReactanceZero> reactanceZeros(const MeasuredSweep& sweep);

// The band around a minimum where SWR stays below the limit, its edges
// linearly interpolated. An edge the sweep ends before reaching is empty.
// Nothing when the SWR at aroundMHz's nearest point is not below the limit.
struct SwrBand {
    std::optional<double> lowMHz;
    std::optional<double> highMHz;
};
std::optional<SwrBand> swrBandwidth(const MeasuredSweep& sweep, double aroundMHz, double limit = 2.0);

}  // namespace zeliro
