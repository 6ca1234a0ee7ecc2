#include "core/nec/output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/nec/texts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

// Lines in which nec2c reports a fault of the deck or of the computation.
constexpr std::array faultMarks = {"ERROR", "FAULT", "NO SEGMENT HAS AN ITAG", "CHECK DATA"};
constexpr std::string_view frequencyMark = "FREQUENCY :";
constexpr std::string_view tableMark = "ANTENNA INPUT PARAMETERS";
// The last line of a report that ran to its end.
constexpr std::string_view endMark = "TOTAL RUN TIME";

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// A whole field as a finite number, or nothing.
std::optional<double> finite(std::string_view field) {
    double v = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), v);
    if (ec != std::errc() || end != field.data() + field.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool isInteger(std::string_view field) {
    if (field.empty()) return false;
    for (char c : field)
        if (c < '0' || c > '9') return false;
    return true;
}

// The line with its runs of blanks made single, at most 120 characters.
std::string tidy(std::string_view line) {
    std::string out;
    for (std::string_view f : fields(line)) {
        if (!out.empty()) out += ' ';
        out += f;
    }
    if (out.size() > 120) out.resize(120);
    return out;
}

class Lines {
public:
    explicit Lines(std::string_view text) : m_text(text) {}
    bool next(std::string_view& line) {
        if (m_at >= m_text.size()) return false;
        const std::size_t end = m_text.find('\n', m_at);
        const std::size_t stop = end == std::string_view::npos ? m_text.size() : end;
        line = m_text.substr(m_at, stop - m_at);
        m_at = stop + 1;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

}  // namespace

OutputOutcome readNecOutput(std::string_view report, Language language) {
    auto failure = [language](Text which, const std::vector<std::string>& arguments = {}) {
        return OutputOutcome{{}, textWith(which, arguments, language)};
    };
    auto megahertz = [language](double frequency) { return formatDouble(frequency, language); };
    if (fields(report).empty()) return failure(Text::emptyReport);
    std::vector<Row> rows;
    // The frequency read whose impedance is still to come.
    bool pending = false;
    double frequency = 0;
    bool ended = false;
    Lines lines(report);
    std::string_view line;
    while (lines.next(line)) {
        for (const char* mark : faultMarks)
            if (line.find(mark) != std::string_view::npos) return failure(Text::engineError, {tidy(line)});
        if (line.find(endMark) != std::string_view::npos) ended = true;
        if (const auto at = line.find(frequencyMark); at != std::string_view::npos) {
            if (pending) return failure(Text::noImpedance, {megahertz(frequency)});
            const auto f = fields(line.substr(at + frequencyMark.size()));
            if (f.size() != 2 || f[1] != "MHz") return failure(Text::truncated);
            const auto read = finite(f[0]);
            if (!read) return failure(Text::notANumber, {std::string(f[0])});
            frequency = *read;
            pending = true;
            continue;
        }
        if (line.find(tableMark) == std::string_view::npos) continue;
        if (!pending) return failure(Text::noFrequency);
        // Two heading lines, then tag, segment, voltage, current, impedance, ...
        std::string_view data;
        bool found = false;
        for (int i = 0; i < 3 && lines.next(data); ++i) found = i == 2;
        if (!found) return failure(Text::truncated);
        const auto f = fields(data);
        if (f.size() < 8 || !isInteger(f[0]) || !isInteger(f[1]))
            return failure(Text::noImpedance, {megahertz(frequency)});
        const auto r = finite(f[6]);
        const auto x = finite(f[7]);
        if (!r || !x) return failure(Text::notANumber, {megahertz(frequency)});
        rows.push_back({frequency, *r, *x});
        pending = false;
    }
    if (pending) return failure(ended ? Text::noImpedance : Text::truncated, {megahertz(frequency)});
    if (rows.empty()) return failure(ended ? Text::noTable : Text::truncated);
    if (!ended) return failure(Text::truncated);
    return {rows, {}};
}

}  // namespace zeliro::nec
