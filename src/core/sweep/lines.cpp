#include "core/sweep/lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/numbers.h"

namespace zeliro::sweepread {

namespace {

constexpr std::size_t chunkBytes = 64 * 1024;

// Line ends and the bytes no text holds (tab and form feed are text).
bool isControl(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\f') || c == 0x7f; }

}  // namespace

LineSource::LineSource(std::istream& in, Language language)
    : m_buffer(in.rdbuf()), m_language(language), m_chunk(chunkBytes) {
    m_line.reserve(maxLineBytes);
}

// A stream may hand out fewer bytes than asked: the first chunk is filled
// up to the three bytes that a byte order mark needs.
bool LineSource::fill() {
    if (m_buffer == nullptr) return false;
    m_position = 0;
    m_end = 0;
    do {
        const std::streamsize got =
            m_buffer->sgetn(m_chunk.data() + m_end, std::streamsize(m_chunk.size() - m_end));
        if (got <= 0) break;
        m_end += std::size_t(got);
    } while (!m_started && m_end < 3);
    m_bytes += m_end;
    if (m_bytes > maxBytes) return fail(SweepProblem::tooLarge, Message::tooManyBytes);
    if (!m_started && m_end > 0) {
        m_started = true;
        const auto byte = [this](std::size_t i) {
            return i < m_end ? static_cast<unsigned char>(m_chunk[i]) : 0;
        };
        if ((byte(0) == 0xff && byte(1) == 0xfe) || (byte(0) == 0xfe && byte(1) == 0xff))
            return fail(SweepProblem::binary, Message::utf16);
        if (byte(0) == 0xef && byte(1) == 0xbb && byte(2) == 0xbf) m_position = 3;
    }
    return m_end > 0;
}

bool LineSource::fail(SweepProblem problem, Message which) {
    m_error = errorAt(std::max<std::size_t>(m_lineNumber, 1), problem, m_language, which);
    m_buffer = nullptr;
    return false;
}

// A line that lies within one chunk is handed out as a view of the chunk;
// only a line that runs across two chunks is copied.
bool LineSource::next(std::string_view& line) {
    if (m_error || m_buffer == nullptr) return false;
    m_line.clear();
    ++m_lineNumber;
    for (;;) {
        if (m_position == m_end && !fill()) {
            if (m_error) return false;
            m_buffer = nullptr;
            line = m_line;
            if (m_line.empty()) --m_lineNumber;
            return !m_line.empty();
        }
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (m_chunk[m_position] == '\n' && ++m_position == m_end) continue;
        }
        const char* begin = m_chunk.data() + m_position;
        const char* const end = m_chunk.data() + m_end;
        const char* stop = begin;
        while (stop != end && !isControl(static_cast<unsigned char>(*stop))) ++stop;
        const std::size_t length = std::size_t(stop - begin);
        if (m_line.size() + length > maxLineBytes)
            return fail(SweepProblem::lineTooLong, Message::lineTooLong);
        m_position += length;
        if (stop == end) {
            m_line.append(begin, length);
            continue;
        }
        ++m_position;
        if (*stop != '\n' && *stop != '\r') return fail(SweepProblem::binary, Message::binary);
        m_afterCarriageReturn = *stop == '\r';
        if (m_line.empty()) {
            line = std::string_view(begin, length);
        } else {
            m_line.append(begin, length);
            line = m_line;
        }
        return true;
    }
}

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\f'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool startsWith(std::string_view text, char c) { return !text.empty() && text.front() == c; }

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

std::optional<double> readNumber(std::string_view text, bool decimalComma) {
    text = trim(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
    if (text.empty() || text.size() > 64) return std::nullopt;
    char copy[64];
    if (const std::size_t comma = text.find(','); comma != std::string_view::npos) {
        if (!decimalComma || text.find(',', comma + 1) != std::string_view::npos ||
            text.find('.') != std::string_view::npos)
            return std::nullopt;
        std::copy(text.begin(), text.end(), copy);
        copy[comma] = '.';
        text = std::string_view(copy, text.size());
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

double inMHz(double value, int unitPower) {
    double scale = 1;
    for (int i = 0; i < (unitPower > 6 ? unitPower - 6 : 6 - unitPower); ++i) scale *= 10;
    return unitPower < 6 ? value / scale : value * scale;
}

const char* unitName(int unitPower) {
    switch (unitPower) {
        case 0:
            return "Hz";
        case 3:
            return "kHz";
        case 9:
            return "GHz";
        default:
            return "MHz";
    }
}

std::string quoted(std::string_view text) {
    constexpr std::size_t longest = 40;
    if (text.size() <= longest) return "\"" + std::string(text) + "\"";
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80)
        --cut;  // whole UTF-8 characters
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

std::optional<SweepError> checkNewPoint(double frequency, std::optional<double> previous,
                                        std::size_t pointsSoFar, std::size_t line, Language language) {
    const auto number = [language](double value) { return formatDouble(value, language); };
    if (frequency < 0)
        return errorAt(line, SweepProblem::negativeFrequency, language, Message::negativeFrequency,
                       {number(frequency)});
    if (frequency > maxFrequency)
        return errorAt(line, SweepProblem::outOfRange, language, Message::frequencyOutOfRange,
                       {number(frequency)});
    if (previous && !(frequency > *previous))
        return errorAt(line, SweepProblem::frequencyNotRising, language, Message::frequencyNotRising,
                       {number(frequency), number(*previous)});
    if (pointsSoFar == maxPoints)
        return errorAt(line, SweepProblem::tooLarge, language, Message::tooManyPoints);
    return std::nullopt;
}

// Plain arithmetic instead of std::complex division and std::abs: the same
// values for every |S11| below 1, at a fraction of the cost per point.
std::optional<SweepError> pointFromReflection(std::complex<double> gamma, double r0, SweepPoint& point,
                                              std::size_t line, Language language) {
    const double squared = std::norm(gamma);
    if (!(squared < 1)) {
        const double magnitude = std::abs(gamma);
        if (!std::isfinite(magnitude))
            return errorAt(line, SweepProblem::outOfRange, language, Message::valuesOutOfRange);
        return errorAt(line, SweepProblem::noSwr, language, Message::reflectionNotBelowOne,
                       {formatDouble(roundSignificant(magnitude, 6), language)});
    }
    const double magnitude = std::sqrt(squared);
    point.swr = (1 + magnitude) / (1 - magnitude);
    // Z = r0 (1 + gamma) / (1 - gamma), where |1 - gamma| >= 1 - |gamma| > 0.
    const double a = 1 + gamma.real(), b = gamma.imag(), c = 1 - gamma.real(), d = -gamma.imag();
    const double scale = r0 / (c * c + d * d);
    point.resistance = (a * c + b * d) * scale;
    point.reactance = (b * c - a * d) * scale;
    if (!std::isfinite(point.resistance) || !std::isfinite(point.reactance))
        return errorAt(line, SweepProblem::outOfRange, language, Message::impedanceOutOfRange);
    return std::nullopt;
}

std::optional<SweepError> pointFromImpedance(double resistance, double reactance, double r0,
                                             SweepPoint& point, std::size_t line, Language language) {
    if (!(resistance > 0))
        return errorAt(line, SweepProblem::noSwr, language, Message::resistanceNotPositive,
                       {formatDouble(resistance, language)});
    const double magnitude = std::hypot(resistance - r0, reactance) / std::hypot(resistance + r0, reactance);
    if (!(magnitude < 1)) return errorAt(line, SweepProblem::outOfRange, language, Message::valuesOutOfRange);
    point.swr = (1 + magnitude) / (1 - magnitude);
    point.resistance = resistance;
    point.reactance = reactance;
    return std::nullopt;
}

SweepReading finishReading(MeasuredSweep&& sweep, Language language) {
    SweepReading reading;
    if (sweep.points.empty()) {
        reading.error = errorAt(0, SweepProblem::empty, language, Message::noMeasurements);
        return reading;
    }
    reading.sweep = std::move(sweep);
    return reading;
}

}  // namespace zeliro::sweepread
