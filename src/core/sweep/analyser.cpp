#include "core/sweep/analyser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/numbers.h"
#include "core/sweep/lines.h"

namespace zeliro::analyser {
namespace {

using sweepread::readNumber;

// Blanks and the carriage returns of the shell's line ends.
std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// The blank-separated words of a line.
std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> found;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        const std::size_t begin = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') ++at;
        if (at > begin) found.push_back(line.substr(begin, at - begin));
    }
    return found;
}

// A line of exactly `count` numbers, each with a full stop or a decimal comma.
std::optional<std::vector<double>> numbers(std::string_view line, std::size_t count) {
    const std::vector<std::string_view> parts = words(line);
    if (parts.size() != count) return std::nullopt;
    std::vector<double> values;
    for (std::string_view part : parts) {
        const std::optional<double> value = readNumber(part, true);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::string shortest(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("0");
}

std::int64_t hertzOf(double megahertz) { return std::llround(megahertz * 1e6); }

std::optional<long long> wholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The figure after `key` ("p:" in "[p:401, IF:12k]"), where the key starts
// a word.
std::optional<long long> figureAfter(std::string_view line, std::string_view key) {
    for (std::size_t at = line.find(key); at != std::string_view::npos; at = line.find(key, at + 1)) {
        if (at > 0 && std::isalnum(static_cast<unsigned char>(line[at - 1]))) continue;
        std::size_t end = at + key.size();
        while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
        if (auto value = wholeNumber(line.substr(at + key.size(), end - at - key.size()))) return value;
    }
    return std::nullopt;
}

// The frequency of a segment's point.
double frequencyOf(const Segment& segment, int index) {
    if (segment.points < 2) return static_cast<double>(segment.startHz);
    const long double step = static_cast<long double>(segment.stopHz - segment.startHz) /
                             static_cast<long double>(segment.points - 1);
    return static_cast<double>(segment.startHz + std::llround(step * index));
}

}  // namespace

PlanReading readPlan(const PlanTexts& texts) {
    PlanReading reading;
    const std::optional<double> start = parseDouble(texts.startMHz, texts.language);
    const std::optional<double> stop = parseDouble(texts.stopMHz, texts.language);
    const double limitMHz = static_cast<double>(maxFrequencyHz) / 1e6;
    if (!start || !stop || !(*start > 0) || !(*stop > 0) || *start > limitMHz || *stop > limitMHz) {
        reading.problem = PlanProblem::noRange;
        return reading;
    }
    reading.plan.startHz = hertzOf(*start);
    reading.plan.stopHz = hertzOf(*stop);
    if (reading.plan.stopHz <= reading.plan.startHz) {
        reading.problem = PlanProblem::stopNotAboveStart;
        return reading;
    }
    const std::optional<double> points = parseDouble(texts.points, texts.language);
    if (!points || !(*points >= 2) || *points != std::floor(*points)) {
        reading.problem = PlanProblem::tooFewPoints;
        return reading;
    }
    if (*points > maxPoints) {
        reading.problem = PlanProblem::tooManyPoints;
        return reading;
    }
    reading.plan.points = static_cast<int>(*points);
    // Two points may not share a hertz.
    if (reading.plan.stopHz - reading.plan.startHz < reading.plan.points - 1)
        reading.problem = PlanProblem::tooManyPoints;
    return reading;
}

std::vector<Segment> segmentsOf(const SweepPlan& plan, int maxPerScan) {
    std::vector<Segment> segments;
    if (plan.points < 2 || maxPerScan < 2 || plan.stopHz <= plan.startHz) return segments;
    const auto frequency = [&plan](int index) {
        const long double step =
            static_cast<long double>(plan.stopHz - plan.startHz) / static_cast<long double>(plan.points - 1);
        return plan.startHz + static_cast<std::int64_t>(std::llround(step * index));
    };
    const int count = (plan.points + maxPerScan - 1) / maxPerScan;
    const int base = plan.points / count;
    const int larger = plan.points % count;  // the first ones take one point more
    int first = 0;
    for (int i = 0; i < count; ++i) {
        const int size = base + (i < larger ? 1 : 0);
        segments.push_back({frequency(first), frequency(first + size - 1), size});
        first += size;
    }
    return segments;
}

std::string scanCommand(const Segment& segment) {
    return "scan " + std::to_string(segment.startHz) + " " + std::to_string(segment.stopHz) + " " +
           std::to_string(segment.points) + " 3";
}

std::string silentScanCommand(const Segment& segment) {
    return "scan " + std::to_string(segment.startHz) + " " + std::to_string(segment.stopHz) + " " +
           std::to_string(segment.points);
}

std::string sweepCommand(const Segment& segment) {
    return "sweep " + std::to_string(segment.startHz) + " " + std::to_string(segment.stopHz) + " " +
           std::to_string(segment.points);
}

std::optional<std::vector<std::string>> takeReply(std::string& received, std::string_view command) {
    for (;;) {
        const std::size_t end = received.find(prompt);
        if (end == std::string::npos) return std::nullopt;
        std::vector<std::string> lines;
        std::string_view text(received.data(), end);
        while (!text.empty()) {
            const std::size_t newline = text.find('\n');
            const std::string_view line = trim(text.substr(0, newline));
            lines.emplace_back(line);
            if (newline == std::string_view::npos) break;
            text.remove_prefix(newline + 1);
        }
        received.erase(0, end + prompt.size());
        if (command.empty()) {
            std::erase(lines, std::string());
            return lines;
        }
        const auto echo = std::find(lines.begin(), lines.end(), trim(command));
        if (echo == lines.end()) continue;  // not this command's prompt
        std::vector<std::string> reply(echo + 1, lines.end());
        std::erase(reply, std::string());
        return reply;
    }
}

bool isUnknownCommand(const std::vector<std::string>& reply, std::string_view command) {
    const std::vector<std::string_view> parts = words(command);
    return reply.size() == 1 && !parts.empty() && reply.front() == std::string(parts.front()) + "?";
}

bool isUsage(const std::vector<std::string>& reply) {
    return !reply.empty() && sweepread::lowerCase(reply.front()).starts_with("usage:");
}

DeviceInfo readInfo(const std::vector<std::string>& reply) {
    DeviceInfo info;
    info.name = deviceName(reply);
    for (const std::string& line : reply) {
        if (sweepread::lowerCase(line).find("tinysa") != std::string::npos) info.spectrumAnalyser = true;
        if (const auto points = figureAfter(line, "p:"); points && *points >= 2 && *points <= maxPoints)
            info.pointsPerScan = static_cast<int>(*points);
    }
    return info;
}

std::optional<double> readBandwidthHz(const std::vector<std::string>& reply) {
    for (const std::string& line : reply) {
        for (std::string_view word : words(line)) {
            // "(1000Hz)"
            while (!word.empty() && (word.front() == '(' || word.back() == ')'))
                word = word.front() == '(' ? word.substr(1) : word.substr(0, word.size() - 1);
            const std::string lower = sweepread::lowerCase(std::string(word));
            if (!lower.ends_with("hz")) continue;
            if (const auto hertz = wholeNumber(std::string_view(lower).substr(0, lower.size() - 2));
                hertz && *hertz > 0)
                return static_cast<double>(*hertz);
        }
    }
    if (reply.size() == 1) {
        const std::vector<std::string_view> parts = words(reply.front());
        if (!parts.empty() && parts.size() <= 2)
            if (const auto setting = wholeNumber(parts.back()); setting && *setting >= 0 && *setting < 1024)
                return 4000.0 / static_cast<double>(*setting + 1);
    }
    return std::nullopt;
}

std::optional<Segment> readSweepRange(const std::vector<std::string>& reply) {
    if (reply.size() != 1) return std::nullopt;
    const std::vector<std::string_view> parts = words(reply.front());
    if (parts.size() != 3) return std::nullopt;
    const auto start = wholeNumber(parts[0]), stop = wholeNumber(parts[1]), points = wholeNumber(parts[2]);
    if (!start || !stop || !points || *start < 0 || *stop < *start || *stop > maxShellFrequencyHz ||
        *points < 1 || *points > maxPoints)
        return std::nullopt;
    return Segment{*start, *stop, static_cast<int>(*points)};
}

int scanTimeMs(int points, std::optional<double> bandwidthHz) {
    const double hertz = std::max(1.0, bandwidthHz.value_or(1000.0));
    return static_cast<int>(std::ceil(std::max(0, points) * (2000.0 / hertz + 2.0)));
}

std::optional<std::vector<S11Point>> pointsOfSegment(const std::vector<S11Point>& measured,
                                                     const Segment& segment) {
    const double step = segment.points < 2 ? 0.0
                                           : static_cast<double>(segment.stopHz - segment.startHz) /
                                                 static_cast<double>(segment.points - 1);
    // The firmware's own rounding of the step moves a point by up to a hertz
    // a point.
    const double tolerance = std::max(1.0, std::min(segment.points + 1.0, step / 4));
    std::vector<S11Point> taken;
    std::size_t at = 0;
    for (int i = 0; i < segment.points; ++i) {
        const double wanted = frequencyOf(segment, i);
        while (at < measured.size() && measured[at].frequencyHz < wanted - tolerance) ++at;
        if (at == measured.size() || !(std::abs(measured[at].frequencyHz - wanted) <= tolerance))
            return std::nullopt;
        taken.push_back(measured[at++]);
    }
    return taken;
}

std::optional<std::vector<S11Point>> readScan(const std::vector<std::string>& reply) {
    std::vector<S11Point> points;
    for (const std::string& line : reply) {
        const auto values = numbers(line, 3);
        if (!values) return std::nullopt;
        points.push_back({(*values)[0], {(*values)[1], (*values)[2]}});
    }
    return points;
}

std::optional<std::vector<S11Point>> readFrequenciesAndData(const std::vector<std::string>& frequencies,
                                                            const std::vector<std::string>& data) {
    if (frequencies.size() != data.size()) return std::nullopt;
    std::vector<S11Point> points;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const auto frequency = numbers(frequencies[i], 1);
        const auto values = numbers(data[i], 2);
        if (!frequency || !values) return std::nullopt;
        points.push_back({(*frequency)[0], {(*values)[0], (*values)[1]}});
    }
    return points;
}

SweepReading sweepFromPoints(const std::vector<S11Point>& points, double referenceOhms, Language language) {
    MeasuredSweep sweep;
    sweep.referenceOhms = referenceOhms;
    sweep.impedanceKnown = true;
    SweepReading refused;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double frequency = points[i].frequencyHz;
        const auto previous = i == 0 ? std::nullopt : std::optional(points[i - 1].frequencyHz);
        if (auto error = sweepread::checkNewPoint(frequency, previous, i, i + 1, language)) {
            refused.error = *error;
            return refused;
        }
        SweepPoint point;
        point.frequencyMHz = sweepread::inMHz(frequency, 0);
        if (auto error =
                sweepread::pointFromReflection(points[i].s11, referenceOhms, point, i + 1, language)) {
            refused.error = *error;
            return refused;
        }
        sweep.points.push_back(point);
    }
    return sweepread::finishReading(std::move(sweep), language);
}

std::string deviceName(const std::vector<std::string>& reply) {
    std::string board;
    std::string version;
    // The original names its board on a bare first line.
    if (!reply.empty() && reply.front().find(':') == std::string::npos) board = reply.front();
    for (const std::string& line : reply) {
        const std::string lower = sweepread::lowerCase(line);
        const auto valueAfter = [&line](std::size_t colon) {
            return std::string(trim(line.substr(colon + 1)));
        };
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        if (lower.starts_with("board:")) board = valueAfter(colon);
        if (lower.starts_with("version:")) version = valueAfter(colon);
    }
    // What follows the version number ("[p:401, IF:12k, ...]") is no name.
    if (const std::size_t bracket = version.find('['); bracket != std::string::npos)
        version = std::string(trim(version.substr(0, bracket)));
    std::string name = board.empty() && version.empty()
                           ? (reply.empty() ? std::string() : reply.front())
                           : board + (board.empty() || version.empty() ? "" : " ") + version;
    if (name.size() > 60) name.resize(60);
    // Only printable ASCII comes through: the name is shown as it is.
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c < 0x20 || c > 0x7e; }, '?');
    return name;
}

std::string sourceText(std::string_view port, std::size_t points, std::string_view device,
                       Language language) {
    const bool english = language == Language::english;
    std::string text = std::string(english ? "analyser " : "analizzatore ") + std::string(port) + ", " +
                       std::to_string(points) + (english ? " points" : " punti");
    if (!device.empty()) text += " (" + std::string(device) + ")";
    return text;
}

std::optional<std::string> takeLine(std::string& received) {
    for (;;) {
        const std::size_t end = received.find_first_of("\r\n");
        if (end == std::string::npos) return std::nullopt;
        const std::string line(trim(std::string_view(received).substr(0, end)));
        received.erase(0, end + 1);
        if (!line.empty()) return line;
    }
}

std::optional<S11Point> readFrxLine(std::string_view line, double referenceOhms) {
    std::string spaced(line);
    std::replace(spaced.begin(), spaced.end(), ',', ' ');
    const auto values = numbers(spaced, 3);
    if (!values || !((*values)[1] >= 0) || !(referenceOhms > 0)) return std::nullopt;
    const std::complex<double> z((*values)[1], (*values)[2]);
    return S11Point{(*values)[0] * 1e6, (z - referenceOhms) / (z + referenceOhms)};
}

TouchstoneText touchstoneText(const TouchstoneWriting& writing) {
    TouchstoneText out;
    const MeasuredSweep* sweep = writing.sweep;
    if (!sweep || !sweep->impedanceKnown || sweep->points.empty() || !(sweep->referenceOhms > 0)) return out;
    for (const std::string& comment : writing.comments) {
        std::string line = comment;
        std::replace(line.begin(), line.end(), '\n', ' ');
        std::replace(line.begin(), line.end(), '\r', ' ');
        out.text += "! " + line + "\n";
    }
    out.text += "# MHz S RI R " + shortest(sweep->referenceOhms) + "\n";
    for (const SweepPoint& point : sweep->points) {
        const std::complex<double> z(point.resistance, point.reactance);
        const std::complex<double> gamma = (z - sweep->referenceOhms) / (z + sweep->referenceOhms);
        out.text +=
            shortest(point.frequencyMHz) + " " + shortest(gamma.real()) + " " + shortest(gamma.imag()) + "\n";
    }
    out.written = true;
    return out;
}

}  // namespace zeliro::analyser
