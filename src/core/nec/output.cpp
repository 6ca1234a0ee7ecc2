#include "core/nec/output.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "core/nec/reportlines.h"
#include "core/nec/texts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

using report::endMark;
using report::fields;
using report::finite;
using report::isFault;
using report::Lines;
using report::tidy;

// The banner every report starts with, and the block that echoes the deck's
// comment cards (whose words are the user's, not the engine's).
constexpr std::string_view bannerMark = "NUMERICAL ELECTROMAGNETICS CODE";
constexpr std::string_view commentsMark = "- COMMENTS -";
constexpr std::string_view frequencyMark = "FREQUENCY :";
constexpr std::string_view cardMark = "DATA CARD No:";
constexpr std::string_view tableMark = "ANTENNA INPUT PARAMETERS";

bool isInteger(std::string_view field) {
    if (field.empty()) return false;
    for (char c : field)
        if (c < '0' || c > '9') return false;
    return true;
}

bool isBlankLine(std::string_view line) { return fields(line).empty(); }

// The report's lines, less the echoed comment cards: those from the
// comments' heading to the first blank line.
class ReportLines {
public:
    explicit ReportLines(std::string_view text) : m_lines(text) {}
    bool next(std::string_view& line) {
        while (m_lines.next(line)) {
            if (line.find(commentsMark) != std::string_view::npos) {
                m_inComments = true;
                continue;
            }
            if (m_inComments) {
                m_inComments = !isBlankLine(line);
                continue;
            }
            return true;
        }
        return false;
    }

private:
    Lines m_lines;
    bool m_inComments = false;
};

// Whether the text is a report at all: its banner, or any of the marks the
// reader looks for.
bool looksLikeReport(std::string_view report) {
    for (std::string_view mark : {bannerMark, frequencyMark, tableMark, endMark})
        if (report.find(mark) != std::string_view::npos) return true;
    return false;
}

}  // namespace

std::string reportFault(std::string_view report) {
    ReportLines lines(report);
    std::string_view line;
    std::string card;  // the data card the engine read last, as it echoes it
    while (lines.next(line)) {
        if (line.find(cardMark) != std::string_view::npos) card = tidy(line);
        if (!isFault(line)) continue;
        const std::string fault = tidy(line);
        return card.empty() ? fault : card + '\n' + fault;
    }
    return {};
}

std::string lastLines(std::string_view text, std::size_t count) {
    std::vector<std::string> kept;
    Lines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        std::string tidied = tidy(line);
        if (tidied.empty()) continue;
        kept.push_back(std::move(tidied));
        if (kept.size() > count) kept.erase(kept.begin());
    }
    std::string out;
    for (const std::string& k : kept) out += (out.empty() ? "" : "\n") + k;
    return out;
}

std::string engineMessage(std::string_view report, std::string_view errorOutput) {
    std::string fault = reportFault(report);
    return fault.empty() ? lastLines(errorOutput) : fault;
}

OutputOutcome readNecOutput(std::string_view report, Language language) {
    auto failure = [language](Text which, const std::vector<std::string>& arguments = {}) {
        return OutputOutcome{{}, textWith(which, arguments, language)};
    };
    auto megahertz = [language](double frequency) { return formatDouble(frequency, language); };
    if (fields(report).empty()) return failure(Text::emptyReport);
    if (!looksLikeReport(report)) return failure(Text::notAReport);
    std::vector<Row> rows;
    // The frequency read whose impedance is still to come.
    bool pending = false;
    double frequency = 0;
    bool ended = false;
    ReportLines lines(report);
    std::string_view line;
    while (lines.next(line)) {
        if (isFault(line)) return failure(Text::engineError, {tidy(line)});
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
