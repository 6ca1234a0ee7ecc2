#include "core/sweep/lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/numbers.h"

namespace zeliro::sweepread {

namespace {

constexpr std::size_t chunkBytes = 64 * 1024;

bool isControl(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\f') || c == 0x7f; }

}  // namespace

LineSource::LineSource(std::istream& in) : m_buffer(in.rdbuf()), m_chunk(chunkBytes) {
    m_line.reserve(maxLineBytes);
}

bool LineSource::fill() {
    if (m_buffer == nullptr) return false;
    const std::streamsize got = m_buffer->sgetn(m_chunk.data(), std::streamsize(m_chunk.size()));
    m_position = 0;
    m_end = got > 0 ? std::size_t(got) : 0;
    m_bytes += m_end;
    if (m_bytes > maxBytes)
        return fail(SweepProblem::tooLarge, "il file supera i 128 MB: troppo grande per una misura.");
    if (!m_started && m_end > 0) {
        m_started = true;
        const auto byte = [this](std::size_t i) {
            return i < m_end ? static_cast<unsigned char>(m_chunk[i]) : 0;
        };
        if ((byte(0) == 0xff && byte(1) == 0xfe) || (byte(0) == 0xfe && byte(1) == 0xff))
            return fail(SweepProblem::binary, "il file è in UTF-16: salvarlo come testo semplice (UTF-8).");
        if (byte(0) == 0xef && byte(1) == 0xbb && byte(2) == 0xbf) m_position = 3;
    }
    return m_end > 0;
}

bool LineSource::fail(SweepProblem problem, const std::string& what) {
    m_error = errorAt(std::max<std::size_t>(m_lineNumber, 1), problem, what);
    m_buffer = nullptr;
    return false;
}

bool LineSource::next(std::string_view& line) {
    if (m_error || m_buffer == nullptr) return false;
    m_line.clear();
    ++m_lineNumber;
    bool any = false;
    for (;;) {
        if (m_position == m_end && !fill()) {
            if (m_error) return false;
            m_buffer = nullptr;
            if (!any) --m_lineNumber;
            line = m_line;
            return any;
        }
        const char c = m_chunk[m_position++];
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (c == '\n') continue;
        }
        any = true;
        if (c == '\n' || c == '\r') {
            m_afterCarriageReturn = c == '\r';
            line = m_line;
            return true;
        }
        if (isControl(static_cast<unsigned char>(c)))
            return fail(SweepProblem::binary, "il file contiene dati binari, non è un file di testo.");
        if (m_line.size() == maxLineBytes)
            return fail(SweepProblem::lineTooLong,
                        "riga più lunga di 4096 caratteri: non è un file di misura.");
        m_line.push_back(c);
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
    std::copy(text.begin(), text.end(), copy);
    const auto commas = std::count(text.begin(), text.end(), ',');
    if (commas > 0) {
        if (!decimalComma || commas > 1 || text.find('.') != std::string_view::npos) return std::nullopt;
        std::replace(copy, copy + text.size(), ',', '.');
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(copy, copy + text.size(), value);
    if (ec != std::errc() || end != copy + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

double inMHz(double value, int unitPower) {
    double scale = 1;
    for (int i = 0; i < (unitPower > 6 ? unitPower - 6 : 6 - unitPower); ++i) scale *= 10;
    return unitPower < 6 ? value / scale : value * scale;
}

SweepError errorAt(std::size_t line, SweepProblem problem, const std::string& what) {
    SweepError error{line, problem, {}};
    if (line > 0) {
        error.message = "Riga " + std::to_string(line) + ": " + what;
    } else {
        error.message = what;
        if (!error.message.empty() && error.message[0] >= 'a' && error.message[0] <= 'z')
            error.message[0] = char(error.message[0] - 'a' + 'A');
    }
    return error;
}

std::string quoted(std::string_view text) {
    constexpr std::size_t longest = 40;
    if (text.size() <= longest) return "\"" + std::string(text) + "\"";
    std::size_t cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xc0) == 0x80)
        --cut;  // whole UTF-8 characters
    return "\"" + std::string(text.substr(0, cut)) + "...\"";
}

std::string numberText(double value) { return formatDouble(value); }

std::optional<SweepError> checkNewPoint(double frequency, std::optional<double> previous,
                                        std::size_t pointsSoFar, std::size_t line) {
    if (frequency < 0)
        return errorAt(line, SweepProblem::negativeFrequency,
                       "frequenza negativa (" + numberText(frequency) + ").");
    if (frequency > maxFrequency)
        return errorAt(line, SweepProblem::outOfRange,
                       "frequenza fuori scala (" + numberText(frequency) + ").");
    if (previous && !(frequency > *previous))
        return errorAt(line, SweepProblem::frequencyNotRising,
                       "la frequenza " + numberText(frequency) + " non sale dopo " + numberText(*previous) +
                           ": le frequenze devono crescere.");
    if (pointsSoFar == maxPoints)
        return errorAt(line, SweepProblem::tooLarge, "più di 1000000 punti: il file è troppo grande.");
    return std::nullopt;
}

std::optional<SweepError> pointFromReflection(std::complex<double> gamma, double r0, SweepPoint& point,
                                              std::size_t line) {
    const double magnitude = std::abs(gamma);
    if (!std::isfinite(magnitude))
        return errorAt(line, SweepProblem::outOfRange, "valori fuori scala: nessun ROS.");
    if (!(magnitude < 1))
        return errorAt(
            line, SweepProblem::noSwr,
            "|S11| = " + numberText(roundSignificant(magnitude, 6)) + " non è minore di 1: nessun ROS.");
    point.swr = (1 + magnitude) / (1 - magnitude);
    const std::complex<double> z = r0 * (1.0 + gamma) / (1.0 - gamma);
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
        return errorAt(line, SweepProblem::outOfRange, "|S11| troppo vicino a 1: impedenza fuori scala.");
    point.resistance = z.real();
    point.reactance = z.imag();
    return std::nullopt;
}

SweepReading finishReading(MeasuredSweep&& sweep) {
    SweepReading reading;
    if (sweep.points.empty()) {
        reading.error = errorAt(0, SweepProblem::empty, "il file non contiene misure.");
        return reading;
    }
    reading.sweep = std::move(sweep);
    return reading;
}

}  // namespace zeliro::sweepread
