#pragma once
// A signed decimal with exactly four places: a 64-bit count of ten-thousandths
// (about +-9.2E14). Text converts by the decimal-comma rule, rounded to four
// places with ties to even; it is written with a decimal comma, a leading "-",
// no trailing zeros and never in exponent form. In English the separator is a
// point, by the English number rules (core/numbers.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/language.h"

namespace zeliro {

class FixedDecimal {
public:
    static constexpr std::int64_t scale = 10000;

    constexpr FixedDecimal() = default;
    static constexpr FixedDecimal fromTicks(std::int64_t ticks) {
        FixedDecimal d;
        d.m_ticks = ticks;
        return d;
    }
    // Empty when the text does not read as a number or lies outside the range.
    static std::optional<FixedDecimal> parse(std::string_view text, Language language = Language::italian);
    // Empty for a value outside the range (or not a number).
    static std::optional<FixedDecimal> fromDouble(double value);

    constexpr std::int64_t ticks() const { return m_ticks; }
    double toDouble() const;
    // Exact; empty when the product leaves the range.
    std::optional<FixedDecimal> times100() const;
    std::string text(Language language = Language::italian) const;

    friend constexpr bool operator==(FixedDecimal, FixedDecimal) = default;

private:
    std::int64_t m_ticks = 0;
};

}  // namespace zeliro
