#include "core/nec/reportlines.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zeliro::nec::report {
namespace {

// Lines in which nec2c reports a fault of the deck or of the computation.
constexpr std::array faultMarks = {"ERROR", "FAULT", "NO SEGMENT HAS AN ITAG", "CHECK DATA"};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

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

std::optional<double> finite(std::string_view field) {
    double v = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), v);
    if (ec != std::errc() || end != field.data() + field.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string tidy(std::string_view line) {
    std::string out;
    for (std::string_view f : fields(line)) {
        if (!out.empty()) out += ' ';
        out += f;
    }
    if (out.size() > 120) out.resize(120);
    return out;
}

bool isFault(std::string_view line) {
    for (const char* mark : faultMarks)
        if (line.find(mark) != std::string_view::npos) return true;
    return false;
}

bool Lines::next(std::string_view& line) {
    if (m_at >= m_text.size()) return false;
    const std::size_t end = m_text.find('\n', m_at);
    const std::size_t stop = end == std::string_view::npos ? m_text.size() : end;
    line = m_text.substr(m_at, stop - m_at);
    m_at = stop + 1;
    return true;
}

}  // namespace zeliro::nec::report
