#pragma once
// Reading nec2c's text report, line by line: what the impedance reader
// (output.cpp) and the radiation-pattern reader (patternreader.cpp) share.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeliro::nec::report {

// The blank-separated fields of a line.
std::vector<std::string_view> fields(std::string_view line);

// A whole field as a finite number, or nothing.
std::optional<double> finite(std::string_view field);

// The line with its runs of blanks made single, at most 120 characters.
std::string tidy(std::string_view line);

// The last line of a report that ran to its end.
inline constexpr std::string_view endMark = "TOTAL RUN TIME";

// Whether nec2c reports a fault of the deck or of the computation in the line.
bool isFault(std::string_view line);

// The lines of a text, one after the other (without their '\n').
class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}
    bool next(std::string_view& line);

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

}  // namespace zeliro::nec::report
