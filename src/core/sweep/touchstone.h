#pragma once
// Touchstone 1.x, one port: the option line, then frequency and one complex
// value a line.

#include <complex>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/language.h"
#include "core/sweep/sweep.h"

namespace zeliro::sweepread {

class TouchstoneReader {
public:
    // An option line: "#" alone or followed by a unit, parameter, format or R.
    static bool isOptionLine(std::string_view trimmed);

    explicit TouchstoneReader(Language language) : m_language(language) {}

    std::optional<SweepError> line(std::string_view text, std::size_t number);
    SweepReading finish();

private:
    enum class Parameter { s, z, y };
    enum class Format { ma, db, ri };

    std::optional<SweepError> option(std::string_view text, std::size_t number);
    std::optional<SweepError> keyword(std::string_view text, std::size_t number);
    std::optional<SweepError> data(std::string_view text, std::size_t number);
    std::complex<double> reflection(double a, double b) const;

    Language m_language;  // of the error sentences
    int m_unitPower = 9;  // GHz
    Parameter m_parameter = Parameter::s;
    Format m_format = Format::ma;
    bool m_optionSeen = false;
    double m_lastFrequency = 0;
    MeasuredSweep m_sweep;
};

}  // namespace zeliro::sweepread
