#pragma once
// Touchstone one port, version 1.x (the option line, then frequency and one
// complex value a line) and version 2 (the same within keywords).

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
    std::optional<SweepError> reference(std::string_view text, std::size_t number);
    std::optional<SweepError> data(std::string_view text, std::size_t number);
    std::complex<double> reflection(double a, double b) const;

    Language m_language;  // of the error sentences
    int m_unitPower = 9;  // GHz
    Parameter m_parameter = Parameter::s;
    Format m_format = Format::ma;
    bool m_optionSeen = false;
    bool m_dataSeen = false;
    bool m_version2 = false;
    bool m_networkData = false;    // version 2: "[Network Data]" seen
    bool m_ended = false;          // version 2: "[End]" seen; the rest is passed over
    bool m_information = false;    // within "[Begin Information]" ... "[End Information]"
    bool m_referenceNext = false;  // "[Reference]" alone: the ohms are on the next line
    bool m_referenceFromKeyword = false;
    std::optional<double> m_declaredFrequencies;
    double m_lastFrequency = 0;
    MeasuredSweep m_sweep;
};

}  // namespace zeliro::sweepread
