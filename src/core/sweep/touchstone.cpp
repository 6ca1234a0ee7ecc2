#include "core/sweep/touchstone.h"

#include <array>
#include <cmath>
#include <numbers>

#include "core/numbers.h"
#include "core/sweep/lines.h"

namespace zeliro::sweepread {

namespace {

// Up to N blank-separated words of text; the count is that of all words.
template <std::size_t N>
std::size_t splitWords(std::string_view text, std::array<std::string_view, N>& words) {
    std::size_t count = 0;
    std::size_t i = 0;
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\f'; };
    while (i < text.size()) {
        while (i < text.size() && blank(text[i])) ++i;
        if (i == text.size()) break;
        const std::size_t start = i;
        while (i < text.size() && !blank(text[i])) ++i;
        if (count < N) words[count] = text.substr(start, i - start);
        ++count;
    }
    return count;
}

std::optional<int> unitPower(const std::string& word) {
    if (word == "hz") return 0;
    if (word == "khz") return 3;
    if (word == "mhz") return 6;
    if (word == "ghz") return 9;
    return std::nullopt;
}

bool isOptionWord(const std::string& word) {
    return unitPower(word) || word == "s" || word == "y" || word == "z" || word == "h" || word == "g" ||
           word == "ma" || word == "db" || word == "ri" || word == "r";
}

}  // namespace

bool TouchstoneReader::isOptionLine(std::string_view trimmed) {
    if (!startsWith(trimmed, '#')) return false;
    std::array<std::string_view, 1> first;
    return splitWords(trimmed.substr(1), first) == 0 || isOptionWord(lowerCase(first[0]));
}

std::optional<SweepError> TouchstoneReader::line(std::string_view text, std::size_t number) {
    if (const auto comment = text.find('!'); comment != std::string_view::npos)
        text = text.substr(0, comment);
    text = trim(text);
    if (text.empty() || m_ended) return std::nullopt;
    if (m_information) {
        if (lowerCase(text).starts_with("[end information]")) m_information = false;
        return std::nullopt;
    }
    if (m_referenceNext) {
        m_referenceNext = false;
        return reference(text, number);
    }
    if (text.front() == '#') {
        if (m_optionSeen) return std::nullopt;  // only the first option line counts
        if (m_dataSeen)
            return errorAt(number, SweepProblem::badOptionLine, m_language, Message::optionAfterData);
        return option(text.substr(1), number);
    }
    if (text.front() == '[') return keyword(text, number);
    if (m_version2 && !m_networkData)
        return errorAt(number, SweepProblem::badKeyword, m_language, Message::dataBeforeNetworkData);
    m_dataSeen = true;
    return data(text, number);
}

std::optional<SweepError> TouchstoneReader::option(std::string_view text, std::size_t number) {
    m_optionSeen = true;
    std::array<std::string_view, 16> words;
    const std::size_t count = splitWords(text, words);
    if (count > words.size())
        return errorAt(number, SweepProblem::badOptionLine, m_language, Message::optionLineTooLong);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string word = lowerCase(words[i]);
        if (const auto unit = unitPower(word)) {
            m_unitPower = *unit;
        } else if (word == "s" || word == "z" || word == "y") {
            m_parameter = word == "s" ? Parameter::s : word == "z" ? Parameter::z : Parameter::y;
        } else if (word == "h" || word == "g") {
            return errorAt(number, SweepProblem::secondPort, m_language, Message::twoPortParameters,
                           {quoted(words[i])});
        } else if (word == "ma" || word == "db" || word == "ri") {
            m_format = word == "ma" ? Format::ma : word == "db" ? Format::db : Format::ri;
        } else if (word == "r") {
            const auto ohms = i + 1 < count ? readNumber(words[i + 1]) : std::nullopt;
            if (!ohms || !(*ohms > 0))
                return errorAt(number, SweepProblem::badOptionLine, m_language, Message::referenceMissing);
            if (!m_version2 || !m_referenceFromKeyword) m_sweep.referenceOhms = *ohms;
            ++i;
        } else {
            return errorAt(number, SweepProblem::badOptionLine, m_language, Message::unknownOption,
                           {quoted(words[i])});
        }
    }
    return std::nullopt;
}

// Touchstone 2 keywords; those of noise data and of many ports' matrices mean
// nothing for one port and are passed over, as are keywords not known here.
std::optional<SweepError> TouchstoneReader::keyword(std::string_view text, std::size_t number) {
    const std::size_t close = text.find(']');
    const std::string name =
        lowerCase(text.substr(0, close == std::string_view::npos ? text.size() : close + 1));
    const std::string_view rest =
        close == std::string_view::npos ? std::string_view() : trim(text.substr(close + 1));
    if (name == "[version]") {
        const auto version = readNumber(rest);
        if (!version || !(*version >= 2 && *version < 3))
            return errorAt(number, SweepProblem::badKeyword, m_language, Message::touchstoneVersion,
                           {quoted(rest)});
        m_version2 = true;
    } else if (name == "[number of ports]") {
        const auto count = readNumber(rest);
        if (!count || *count != 1)
            return errorAt(number, SweepProblem::secondPort, m_language, Message::declaredPorts,
                           {quoted(rest)});
    } else if (name == "[two-port data order]") {
        return errorAt(number, SweepProblem::secondPort, m_language, Message::declaredPorts, {quoted("2")});
    } else if (name == "[mixed-mode order]") {
        return errorAt(number, SweepProblem::secondPort, m_language, Message::mixedMode);
    } else if (name == "[number of frequencies]") {
        const auto count = readNumber(rest);
        if (!count || !(*count >= 1) || *count != std::floor(*count))
            return errorAt(number, SweepProblem::badKeyword, m_language, Message::notANumber, {quoted(rest)});
        m_declaredFrequencies = *count;
    } else if (name == "[reference]") {
        if (rest.empty()) {
            m_referenceNext = true;
            return std::nullopt;
        }
        return reference(rest, number);
    } else if (name == "[network data]") {
        m_networkData = true;
    } else if (name == "[end]") {
        m_ended = m_version2;
    } else if (name == "[begin information]") {
        m_information = true;
    }
    return std::nullopt;
}

// The reference resistance of the one port, in ohms, above 0.
std::optional<SweepError> TouchstoneReader::reference(std::string_view text, std::size_t number) {
    std::array<std::string_view, 2> words;
    const std::size_t count = splitWords(text, words);
    const auto ohms = count >= 1 ? readNumber(words[0]) : std::nullopt;
    if (!ohms || !(*ohms > 0))
        return errorAt(number, SweepProblem::badKeyword, m_language, Message::referenceMissing);
    if (count > 1)
        return errorAt(number, SweepProblem::secondPort, m_language, Message::declaredPorts,
                       {quoted(std::to_string(count))});
    m_sweep.referenceOhms = *ohms;
    m_referenceFromKeyword = true;
    return std::nullopt;
}

std::optional<SweepError> TouchstoneReader::data(std::string_view text, std::size_t number) {
    std::array<std::string_view, 3> words;
    const std::size_t count = splitWords(text, words);
    if (count > 3 && count % 2 == 1)
        return errorAt(number, SweepProblem::secondPort, m_language, Message::valuesOfManyPorts,
                       {std::to_string(count)});
    if (count != 3)
        return errorAt(number, SweepProblem::columnCount, m_language, Message::touchstoneValueCount,
                       {std::to_string(count)});
    std::array<double, 3> values{};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto value = readNumber(words[i]);
        if (!value)
            return errorAt(number, SweepProblem::notANumber, m_language, Message::notANumber,
                           {quoted(words[i])});
        values[i] = *value;
    }
    const auto previous = m_sweep.points.empty() ? std::nullopt : std::optional(m_lastFrequency);
    if (auto error = checkNewPoint(values[0], previous, m_sweep.points.size(), number, m_language))
        return error;
    SweepPoint point;
    point.frequencyMHz = inMHz(values[0], m_unitPower);
    if (auto error = pointFromReflection(reflection(values[1], values[2]), m_sweep.referenceOhms, point,
                                         number, m_language))
        return error;
    m_lastFrequency = values[0];
    m_sweep.points.push_back(point);
    return std::nullopt;
}

std::complex<double> TouchstoneReader::reflection(double a, double b) const {
    std::complex<double> value;
    const double radians = b * std::numbers::pi / 180;
    switch (m_format) {
        case Format::ri:
            value = {a, b};
            break;
        case Format::ma:
            value = {a * std::cos(radians), a * std::sin(radians)};
            break;
        case Format::db:
            value = std::polar(std::pow(10.0, a / 20), radians);
            break;
    }
    // Version 1 writes Z and Y normalised to R; version 2 in ohms and siemens.
    const double r = m_version2 ? m_sweep.referenceOhms : 1.0;
    switch (m_parameter) {
        case Parameter::s:
            return value;
        case Parameter::z:
            value /= r;
            return (value - 1.0) / (value + 1.0);
        case Parameter::y:
            value *= r;
            return (1.0 - value) / (1.0 + value);
    }
    return value;
}

SweepReading TouchstoneReader::finish() {
    if (m_declaredFrequencies && !m_sweep.points.empty() &&
        *m_declaredFrequencies != double(m_sweep.points.size()))
        return {std::nullopt, errorAt(0, SweepProblem::badKeyword, m_language, Message::frequencyCount,
                                      {formatDouble(*m_declaredFrequencies, m_language),
                                       std::to_string(m_sweep.points.size())})};
    m_sweep.impedanceKnown = true;
    return finishReading(std::move(m_sweep), m_language);
}

}  // namespace zeliro::sweepread
