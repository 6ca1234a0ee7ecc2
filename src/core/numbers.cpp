#include "core/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace zeliro {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

constexpr long long exponentLimit = 1'000'000'000;

// The normalised text "[-]DIGITSeEXP" that std::from_chars reads.
std::string machineText(const DecimalText& d) {
    std::string s;
    if (d.negative) s += '-';
    s += d.digits.empty() ? std::string("0") : d.digits;
    s += 'e';
    s += std::to_string(d.digits.empty() ? 0 : d.exponent);
    return s;
}

template <typename T>
std::optional<T> parseAs(std::string_view text, Language language) {
    const auto scanned = scanDecimalText(text, language);
    if (!scanned) return std::nullopt;
    const std::string s = machineText(*scanned);
    T value{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold reads as zero; too large does not convert.
        const long long magnitude = scanned->exponent + static_cast<long long>(scanned->digits.size());
        if (magnitude < 0) return scanned->negative ? -T(0) : T(0);
        return std::nullopt;
    }
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// The value in scientific notation with `digits` significant digits, rounded
// to nearest; near the top of the range, where rounding up would leave it,
// the digits are cut instead, so that the text always reads back.
template <typename T>
std::string scientificText(T value, int digits) {
    std::array<char, 64> buf{};
    auto end =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, digits - 1)
            .ptr;
    T back{};
    if (std::from_chars(buf.data(), end, back).ec == std::errc()) return std::string(buf.data(), end);
    end = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific, digits + 2)
              .ptr;
    std::string text(buf.data(), end);
    const auto e = text.find('e');
    const std::size_t keep = (text[0] == '-' ? 2 : 1) + 1 + static_cast<std::size_t>(digits - 1);
    return text.substr(0, keep) + text.substr(e);
}

// Significant digits (trailing zeros removed) and decimal exponent of the
// value rounded to `digits` significant digits.
struct Rounded {
    bool negative = false;
    std::string digits;
    int exponent = 0;  // of the first digit
};

template <typename T>
Rounded roundedDigits(T value, int digits) {
    const std::string s = scientificText(value, digits);
    Rounded r;
    std::size_t i = 0;
    if (s[i] == '-') {
        r.negative = true;
        ++i;
    }
    for (; i < s.size() && s[i] != 'e'; ++i)
        if (isDigit(s[i])) r.digits += s[i];
    r.exponent = std::atoi(s.substr(i + 1).c_str());
    while (r.digits.size() > 1 && r.digits.back() == '0') r.digits.pop_back();
    return r;
}

template <typename T>
std::string formatWith(T value, int digits, int exponentFrom, char separator) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0";
    const Rounded r = roundedDigits(value, digits);
    std::string out = r.negative ? "-" : "";
    if (r.exponent >= exponentFrom || r.exponent < -5) {
        out += r.digits[0];
        if (r.digits.size() > 1) out += separator + r.digits.substr(1);
        out += r.exponent < 0 ? "E-" : "E+";
        const int e = std::abs(r.exponent);
        if (e < 10) out += '0';
        out += std::to_string(e);
        return out;
    }
    if (r.exponent < 0) {
        out += std::string("0") + separator + std::string(static_cast<std::size_t>(-r.exponent - 1), '0') +
               r.digits;
        return out;
    }
    const auto whole = static_cast<std::size_t>(r.exponent) + 1;
    if (r.digits.size() <= whole) {
        out += r.digits + std::string(whole - r.digits.size(), '0');
    } else {
        out += r.digits.substr(0, whole) + separator + r.digits.substr(whole);
    }
    return out;
}

template <typename T>
T roundSignificantAs(T value, int digits) {
    if (!std::isfinite(value) || value == 0) return value;
    const std::string text = scientificText(value, digits);
    T back{};
    std::from_chars(text.data(), text.data() + text.size(), back);
    return back;
}

constexpr std::array<double, 23> powersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

std::optional<DecimalText> scanDecimalText(std::string_view text, Language language) {
    const char separator = decimalSeparator(language);
    text = trimmed(text);
    DecimalText d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        d.negative = text[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    bool decimalSeen = false;
    long long fractionDigits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            anyDigit = true;
            if (!(d.digits.empty() && c == '0')) d.digits += c;
            if (decimalSeen) ++fractionDigits;
        } else if (c == separator) {
            if (decimalSeen) return std::nullopt;
            decimalSeen = true;
        } else if (c == '.' && language == Language::italian) {
            // grouping sign: ignored
        } else {
            break;
        }
    }
    if (!anyDigit) return std::nullopt;
    long long exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == text.size()) return std::nullopt;
        for (; i < text.size(); ++i) {
            if (!isDigit(text[i])) return std::nullopt;
            if (exponent < exponentLimit) exponent = exponent * 10 + (text[i] - '0');
        }
        if (negativeExponent) exponent = -exponent;
    }
    d.exponent = exponent - fractionDigits;
    if (d.digits.empty()) d.exponent = 0;
    // Drop trailing zeros into the exponent, so that long runs stay short.
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
        ++d.exponent;
    }
    return d;
}

std::optional<double> parseDouble(std::string_view text, Language language) {
    return parseAs<double>(text, language);
}
std::optional<float> parseSingle(std::string_view text, Language language) {
    return parseAs<float>(text, language);
}

std::string formatDouble(double value, Language language) {
    return formatWith(value, 15, 15, decimalSeparator(language));
}
std::string formatSingle(float value, Language language) {
    return formatWith(value, 7, 7, decimalSeparator(language));
}

double roundSignificant(double value, int digits) { return roundSignificantAs(value, digits); }

bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) <= 1e-5 * std::max(std::fabs(a), std::fabs(b));
}

bool notBelow(double a, double b) { return a > b || nearlyEqual(a, b); }

double truncateDecimals(double value, int decimals) {
    const double scale = powersOfTen.at(static_cast<std::size_t>(decimals));
    const double scaled = roundSignificantAs(value * scale, 15);
    if (!std::isfinite(scaled)) return value;
    return std::trunc(scaled) / scale;
}

float truncateSingle(float value, int decimals) {
    const auto scale = static_cast<float>(powersOfTen.at(static_cast<std::size_t>(decimals)));
    const float scaled = roundSignificantAs(value * scale, 7);
    if (!std::isfinite(scaled)) return value;
    return std::trunc(scaled) / scale;
}

}  // namespace zeliro
