#include "core/sweep/csv.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <initializer_list>

#include "core/numbers.h"
#include "core/sweep/lines.h"

namespace zeliro::sweepread {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\f'; }

std::string_view unquote(std::string_view field) {
    field = trim(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = trim(field.substr(1, field.size() - 2));
    return field;
}

void splitInto(std::string_view text, char separator, std::vector<std::string_view>& fields) {
    fields.clear();
    if (separator == ' ') {
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && isBlank(text[i])) ++i;
            const std::size_t start = i;
            while (i < text.size() && !isBlank(text[i])) ++i;
            if (i > start) fields.push_back(unquote(text.substr(start, i - start)));
        }
        return;
    }
    for (;;) {
        // A quoted field may hold the separator ("1,5" in a comma file).
        std::size_t end = 0;
        const std::string_view start = trim(text);
        if (startsWith(start, '"')) {
            const std::size_t close = text.find('"', text.size() - start.size() + 1);
            end = close == std::string_view::npos ? close : text.find(separator, close);
        } else {
            end = text.find(separator);
        }
        fields.push_back(unquote(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    while (!fields.empty() && fields.back().empty()) fields.pop_back();  // a trailing separator
}

// Tab, semicolon, comma, or else blanks. A comma between blank-separated
// numbers ("7,05 1,5") is their decimal comma.
char separatorOf(std::string_view text) {
    if (text.find('\t') != std::string_view::npos) return '\t';
    if (text.find(';') != std::string_view::npos) return ';';
    if (text.find(',') == std::string_view::npos) return ' ';
    std::vector<std::string_view> fields;
    splitInto(text, ',', fields);
    if (std::none_of(fields.begin(), fields.end(),
                     [](std::string_view f) { return std::any_of(f.begin(), f.end(), isBlank); }))
        return ',';
    splitInto(text, ' ', fields);
    const bool allNumbers =
        fields.size() > 1 && std::all_of(fields.begin(), fields.end(),
                                         [](std::string_view f) { return readNumber(f, true).has_value(); });
    return allNumbers ? ' ' : ',';
}

// The lower-case ASCII letter-and-digit words of a header field.
std::vector<std::string> wordsOf(std::string_view field) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : field) {
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (alnum) word.push_back(c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c);
        if (!alnum && !word.empty()) words.push_back(std::move(word)), word.clear();
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::optional<int> unitPower(const std::vector<std::string>& words) {
    for (const auto& w : words) {
        if (w == "hz") return 0;
        if (w == "khz") return 3;
        if (w == "mhz") return 6;
        if (w == "ghz") return 9;
    }
    return std::nullopt;
}

enum class Role { none, frequency, swr, resistance, reactance, real, imaginary, otherPort };

Role roleOf(std::string_view field) {
    const std::vector<std::string> words = wordsOf(field);
    const auto has = [&words](std::initializer_list<std::string_view> any) {
        return std::any_of(words.begin(), words.end(), [any](const std::string& w) {
            return std::find(any.begin(), any.end(), w) != any.end();
        });
    };
    const auto otherPort = [](const std::string& w) {
        return w.size() == 3 && w[0] == 's' && w[1] >= '1' && w[1] <= '9' && w[2] >= '1' && w[2] <= '9' &&
               w != "s11";
    };
    if (std::any_of(words.begin(), words.end(), otherPort)) return Role::otherPort;
    if (std::any_of(words.begin(), words.end(),
                    [](const std::string& w) { return w.rfind("freq", 0) == 0; }) ||
        has({"f"}) || (words.size() == 1 && unitPower(words)))
        return Role::frequency;
    if (has({"swr", "vswr", "ros"})) return Role::swr;
    const bool impedance = has({"z", "zs", "impedance", "impedenza", "ohm", "ohms"});
    if (has({"r", "rs", "resistance", "resistenza"})) return Role::resistance;
    if (has({"x", "xs", "reactance", "reattanza"})) return Role::reactance;
    if (has({"re", "real", "reale"})) return impedance ? Role::resistance : Role::real;
    if (has({"im", "imag", "imaginary", "immaginaria"})) return impedance ? Role::reactance : Role::imaginary;
    return Role::none;
}

}  // namespace

void CsvReader::split(std::string_view text) { splitInto(text, m_separator, m_fields); }

std::optional<double> CsvReader::valueAt(std::size_t column) const {
    return readNumber(m_fields[column], m_separator != ',');
}

std::optional<SweepError> CsvReader::line(std::string_view text, std::size_t number) {
    const std::string_view trimmed = trim(text);
    if (trimmed.empty() || trimmed.front() == '!' || trimmed.front() == '#') return std::nullopt;
    if (m_separator == 0) return start(trimmed, number);
    split(trimmed);
    return row(number);
}

// Before the first row of numbers: a line of text may be the header (the last
// one counts); the first row of numbers fixes the separator and the columns.
std::optional<SweepError> CsvReader::start(std::string_view text, std::size_t number) {
    const char separator = separatorOf(text);
    splitInto(text, separator, m_fields);
    if (m_fields.empty() || !readNumber(m_fields[0], separator != ',')) {
        m_header.assign(text);
        m_headerLine = number;
        return std::nullopt;
    }
    m_separator = separator;
    if (!m_header.empty()) {
        if (auto error = columnsFromHeader(number)) return error;
        split(text);
    }
    if (m_columns.frequency < 0)
        if (auto error = columnsFromCount(number)) return error;
    return row(number);
}

std::optional<SweepError> CsvReader::columnsFromHeader(std::size_t) {
    split(m_header);
    Columns columns;
    bool anyValue = false;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        int* column = nullptr;
        switch (roleOf(m_fields[i])) {
            case Role::none:
                break;
            case Role::otherPort:
                return errorAt(m_headerLine, SweepProblem::secondPort, m_language, Message::otherPortColumn,
                               {quoted(m_fields[i])});
            case Role::frequency:
                column = &columns.frequency;
                if (columns.frequency < 0) columns.unitPower = unitPower(wordsOf(m_fields[i]));
                break;
            case Role::swr:
                column = &columns.swr;
                break;
            case Role::resistance:
                column = &columns.resistance;
                break;
            case Role::reactance:
                column = &columns.reactance;
                break;
            case Role::real:
                column = &columns.real;
                break;
            case Role::imaginary:
                column = &columns.imaginary;
                break;
        }
        if (column == nullptr || *column >= 0) continue;
        *column = int(i);
        columns.least = i + 1;
        anyValue = anyValue || column != &columns.frequency;
    }
    const bool usable = columns.swr >= 0 || (columns.resistance >= 0 && columns.reactance >= 0) ||
                        (columns.real >= 0 && columns.imaginary >= 0);
    if (columns.frequency < 0 && !anyValue) return std::nullopt;  // a title, not a header
    if (columns.frequency < 0 || !usable)
        return errorAt(m_headerLine, SweepProblem::unknownColumns, m_language, Message::unknownColumns);
    columns.most = m_fields.size();
    m_columns = columns;
    return std::nullopt;
}

std::optional<SweepError> CsvReader::columnsFromCount(std::size_t number) {
    const std::size_t count = m_fields.size();
    Columns columns;
    columns.frequency = 0;
    columns.least = columns.most = count;
    switch (count) {
        case 2:
            columns.swr = 1;
            break;
        case 3:
            columns.resistance = 1, columns.reactance = 2;
            break;
        case 4:
            columns.swr = 1, columns.resistance = 2, columns.reactance = 3;
            break;
        case 1:
            return errorAt(number, SweepProblem::columnCount, m_language, Message::oneValue);
        default:
            return errorAt(number, SweepProblem::secondPort, m_language, Message::tooManyColumns,
                           {std::to_string(count)});
    }
    m_columns = columns;
    return std::nullopt;
}

std::optional<SweepError> CsvReader::row(std::size_t number) {
    const Columns& c = m_columns;
    if (m_fields.size() < c.least || m_fields.size() > c.most) {
        const std::string found = std::to_string(m_fields.size());
        if (c.least == c.most)
            return errorAt(number, SweepProblem::columnCount, m_language, Message::valueCount,
                           {std::to_string(c.least), found});
        return errorAt(number, SweepProblem::columnCount, m_language, Message::valueCountRange,
                       {std::to_string(c.least), std::to_string(c.most), found});
    }
    std::array<double, 6> values{};
    const std::array<int, 6> columns{c.frequency, c.swr, c.resistance, c.reactance, c.real, c.imaginary};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] < 0) continue;
        const auto value = valueAt(std::size_t(columns[i]));
        if (!value)
            return errorAt(number, SweepProblem::notANumber, m_language, Message::notANumber,
                           {quoted(m_fields[std::size_t(columns[i])])});
        values[i] = *value;
    }
    const auto [frequency, swr, resistance, reactance, real, imaginary] = values;
    const auto previous = m_sweep.points.empty() ? std::nullopt : std::optional(m_lastFrequency);
    if (auto error = checkNewPoint(frequency, previous, m_sweep.points.size(), number, m_language))
        return error;
    SweepPoint point;
    point.frequencyMHz = frequency;  // in the file's unit until the end
    const double r0 = m_sweep.referenceOhms;
    if (c.resistance >= 0 && c.reactance >= 0) {
        if (auto error = pointFromImpedance(resistance, reactance, r0, point, number, m_language))
            return error;
    } else if (c.real >= 0 && c.imaginary >= 0) {
        if (auto error = pointFromReflection({real, imaginary}, r0, point, number, m_language)) return error;
    }
    if (c.swr >= 0) {
        if (!(swr >= 1))
            return errorAt(number, SweepProblem::noSwr, m_language, Message::swrBelowOne,
                           {formatDouble(swr, m_language)});
        point.swr = swr;
    }
    m_lastFrequency = frequency;
    m_sweep.points.push_back(point);
    return std::nullopt;
}

// The unit of a file that names none. With an expected frequency: the unit
// that brings it nearest the measured range, within a factor of ten (units
// lie a thousand apart, so at most one fits well); none when none is that
// near. Without one: from the highest frequency (the last), from 100000 up
// Hz, from 1000 up kHz, MHz below.
std::optional<int> CsvReader::unitFromValues() const {
    const double lowest = m_sweep.points.front().frequencyMHz;
    const double highest = m_sweep.points.back().frequencyMHz;
    if (!m_expectedMHz || !(*m_expectedMHz > 0) || !std::isfinite(*m_expectedMHz))
        return highest >= 1e5 ? 0 : highest >= 1e3 ? 3 : 6;
    std::optional<int> best;
    double bestDistance = 1;  // a factor of ten, in decades
    for (const int power : {0, 3, 6, 9}) {
        const double low = inMHz(lowest, power);
        const double high = inMHz(highest, power);
        double distance = 0;
        if (*m_expectedMHz < low) distance = std::log10(low / *m_expectedMHz);
        if (*m_expectedMHz > high) distance = std::log10(*m_expectedMHz / high);
        if (!(distance <= bestDistance)) continue;  // a zero lowest frequency leaves NaN out too
        best = power;
        bestDistance = distance;
    }
    return best;
}

SweepReading CsvReader::finish() {
    m_sweep.impedanceKnown = (m_columns.resistance >= 0 && m_columns.reactance >= 0) ||
                             (m_columns.real >= 0 && m_columns.imaginary >= 0);
    int power = 6;
    if (m_columns.unitPower) {
        power = *m_columns.unitPower;
    } else if (!m_sweep.points.empty()) {
        const std::optional<int> assumed = unitFromValues();
        if (!assumed)
            return {std::nullopt, errorAt(0, SweepProblem::unknownUnit, m_language, Message::unitNotFound,
                                          {formatDouble(*m_expectedMHz, m_language)})};
        power = *assumed;
        m_sweep.assumedUnitPower = power;
    }
    if (power != 6)
        for (SweepPoint& point : m_sweep.points) point.frequencyMHz = inMHz(point.frequencyMHz, power);
    return finishReading(std::move(m_sweep), m_language);
}

}  // namespace zeliro::sweepread
