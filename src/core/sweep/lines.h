#pragma once
// What both sweep readers stand on: the stream cut into lines under the size
// limits, numbers read without any locale, and the error sentences in either
// language.

#include <complex>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"
#include "core/sweep/sweep.h"

namespace zeliro::sweepread {

inline constexpr std::size_t maxPoints = 1'000'000;
inline constexpr std::size_t maxBytes = std::size_t{128} << 20;
inline constexpr std::size_t maxLineBytes = 4096;
inline constexpr double maxFrequency = 1e15;  // in the file's unit

// The error sentences; the table of each language is in messages.cpp. A
// "%1", "%2" takes a figure or a quoted word.
enum class Message {
    fileEmpty,
    noMeasurements,
    tooManyBytes,
    utf16,
    lineTooLong,
    binary,
    negativeFrequency,
    frequencyOutOfRange,
    frequencyNotRising,
    tooManyPoints,
    valuesOutOfRange,
    reflectionNotBelowOne,
    impedanceOutOfRange,
    resistanceNotPositive,
    multiPortFileName,
    optionLineTooLong,
    twoPortParameters,
    referenceMissing,
    unknownOption,
    declaredPorts,
    valuesOfManyPorts,
    touchstoneValueCount,
    notANumber,
    otherPortColumn,
    unknownColumns,
    oneValue,
    tooManyColumns,
    valueCount,
    valueCountRange,
    swrBelowOne,
    optionAfterData,
    touchstoneVersion,
    mixedMode,
    dataBeforeNetworkData,
    frequencyCount,
    unitNotFound,
    cannotOpen,
};

// "Riga N: sentence" ("Line N: ..." in English), or for line 0 the sentence
// alone, capitalised.
SweepError errorAt(std::size_t line, SweepProblem problem, Language language, Message which,
                   const std::vector<std::string>& arguments = {});
std::string quoted(std::string_view text);  // "text", cut short if long

// The checks every new point passes: its frequency at least 0, at most
// maxFrequency and above the one before (if any); room for one more point.
std::optional<SweepError> checkNewPoint(double frequency, std::optional<double> previous,
                                        std::size_t pointsSoFar, std::size_t line, Language language);

// The lines of a stream, ended by LF, CR LF or CR, read in chunks: at most
// one chunk and one line are held at a time. A UTF-8 byte order mark is
// skipped; NUL and other control bytes (tab and form feed aside), a UTF-16
// byte order mark, an overlong line or too many bytes stop the reading with
// an error.
class LineSource {
public:
    LineSource(std::istream& in, Language language);
    // The next line without its end, valid until the next call; false at
    // the end or on an error.
    bool next(std::string_view& line);
    std::size_t lineNumber() const { return m_lineNumber; }
    const std::optional<SweepError>& error() const { return m_error; }

private:
    bool fill();
    bool fail(SweepProblem problem, Message which);

    std::streambuf* m_buffer;
    Language m_language;
    std::vector<char> m_chunk;
    std::size_t m_position = 0;
    std::size_t m_end = 0;
    std::size_t m_bytes = 0;
    std::size_t m_lineNumber = 0;
    bool m_afterCarriageReturn = false;  // a LF next belongs to the line end before
    bool m_started = false;
    std::string m_line;
    std::optional<SweepError> m_error;
};

std::string_view trim(std::string_view text);
bool startsWith(std::string_view text, char c);
std::string lowerCase(std::string_view text);

// A decimal number with a full stop, or a comma where decimalComma; a leading
// sign and an exponent allowed; finite. Blanks around are trimmed.
std::optional<double> readNumber(std::string_view text, bool decimalComma = false);

// A frequency in a unit of 10^power Hz (0 Hz, 3 kHz, 6 MHz, 9 GHz) in MHz,
// by an exact power of ten, so that 7100000 Hz is the double nearest 7.1.
double inMHz(double value, int unitPower);
const char* unitName(int unitPower);  // "Hz", "kHz", "MHz", "GHz"

// One measured point from its reflection coefficient on r0; an error when
// |gamma| >= 1, which has no SWR.
std::optional<SweepError> pointFromReflection(std::complex<double> gamma, double r0, SweepPoint& point,
                                              std::size_t line, Language language);

// One measured point from its impedance; an error unless R > 0.
std::optional<SweepError> pointFromImpedance(double resistance, double reactance, double r0,
                                             SweepPoint& point, std::size_t line, Language language);

// The common end of both readers: nothing read is an error, else the sweep.
SweepReading finishReading(MeasuredSweep&& sweep, Language language);

}  // namespace zeliro::sweepread
