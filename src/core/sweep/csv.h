#pragma once
// Analyser and VNA program CSV: a header row or none, then one row a point.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/sweep/sweep.h"

namespace zeliro::sweepread {

class CsvReader {
public:
    // expectedMHz: the frequency the sweep was made around, which decides the
    // unit where the header names none.
    CsvReader(Language language, std::optional<double> expectedMHz)
        : m_language(language), m_expectedMHz(expectedMHz) {}
    std::optional<SweepError> line(std::string_view text, std::size_t number);
    SweepReading finish();

    // Which column holds what (-1: none), as a header or the column count says.
    struct Columns {
        int frequency = -1;
        int swr = -1;
        int resistance = -1;
        int reactance = -1;
        int real = -1;  // S11
        int imaginary = -1;
        std::size_t least = 0;         // a row needs this many values
        std::size_t most = 0;          // and has no more than these
        std::optional<int> unitPower;  // of ten, in Hz
    };

private:
    std::optional<SweepError> start(std::string_view text, std::size_t number);
    std::optional<SweepError> columnsFromHeader(std::size_t number);
    std::optional<SweepError> columnsFromCount(std::size_t number);
    std::optional<SweepError> row(std::size_t number);
    std::optional<double> valueAt(std::size_t column) const;
    void split(std::string_view text);

    std::optional<int> unitFromValues() const;

    Language m_language;  // of the error sentences
    std::optional<double> m_expectedMHz;
    char m_separator = 0;  // ' ' for blanks; 0 until the first row of numbers
    std::string m_header;
    std::size_t m_headerLine = 0;
    Columns m_columns;
    std::vector<std::string_view> m_fields;
    double m_lastFrequency = 0;
    MeasuredSweep m_sweep;
};

}  // namespace zeliro::sweepread
