// The format of a measured sweep, then its reading line by line.
#include "core/sweep/sweep.h"

#include <fstream>

#include "core/sweep/csv.h"
#include "core/sweep/lines.h"
#include "core/sweep/touchstone.h"

namespace zeliro {

namespace {

using namespace sweepread;

// The format from the first line that is neither blank nor a comment.
SweepFormat formatOf(std::string_view trimmed) {
    const bool keyword = lowerCase(trimmed.substr(0, 9)) == "[version]";
    return keyword || TouchstoneReader::isOptionLine(trimmed) ? SweepFormat::touchstone : SweepFormat::csv;
}

SweepReading read(std::istream& in, std::optional<SweepFormat> format, Language language,
                  const SweepHints& hints) {
    LineSource lines(in, language);
    TouchstoneReader touchstone(language);
    CsvReader csv(language, hints.expectedMHz);
    std::string_view text;
    while (lines.next(text)) {
        if (!format) {
            const std::string_view trimmed = trim(text);
            if (trimmed.empty() || trimmed.front() == '!') continue;
            format = formatOf(trimmed);
        }
        auto error = *format == SweepFormat::touchstone ? touchstone.line(text, lines.lineNumber())
                                                        : csv.line(text, lines.lineNumber());
        if (error) return {std::nullopt, std::move(*error)};
    }
    if (lines.error()) return {std::nullopt, *lines.error()};
    if (lines.lineNumber() == 0)
        return {std::nullopt, errorAt(0, SweepProblem::empty, language, Message::fileEmpty)};
    if (!format) return finishReading({}, language);
    return *format == SweepFormat::touchstone ? touchstone.finish() : csv.finish();
}

// "s2p", "s3p"... (not "s1p").
bool isMultiPort(std::string_view extension) {
    if (extension.size() < 3 || extension.front() != 's' || extension.back() != 'p') return false;
    const std::string_view digits = extension.substr(1, extension.size() - 2);
    for (const char c : digits)
        if (c < '0' || c > '9') return false;
    return digits != "1" && digits != "01";
}

}  // namespace

SweepReading readSweep(std::istream& in, std::string_view fileName, Language language,
                       const SweepHints& hints) {
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::string_view base = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = base.rfind('.');
    const std::string extension =
        dot == std::string_view::npos ? std::string() : lowerCase(base.substr(dot + 1));
    if (extension == "s1p") return read(in, SweepFormat::touchstone, language, hints);
    if (isMultiPort(extension))
        return {std::nullopt,
                errorAt(0, SweepProblem::secondPort, language, Message::multiPortFileName, {quoted(base)})};
    return read(in, std::nullopt, language, hints);
}

SweepReading readSweep(std::istream& in, SweepFormat format, Language language, const SweepHints& hints) {
    return read(in, format, language, hints);
}

SweepReading readSweepFile(const std::string& path, const SweepHints& hints, Language language) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, errorAt(0, SweepProblem::empty, language, Message::cannotOpen, {path})};
    return readSweep(in, path, language, hints);
}

std::string assumedUnitText(const MeasuredSweep& sweep, Language language) {
    if (!sweep.assumedUnitPower) return {};
    return fillIn(language == Language::english ? "frequencies in %1" : "frequenze in %1",
                  {unitName(*sweep.assumedUnitPower)});
}

}  // namespace zeliro
