#include "core/fixeddecimal.h"

#include "core/numbers.h"

#include <cmath>
#include <limits>

namespace zeliro {
namespace {

constexpr auto maxTicks = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());

// digits * 10^shift as a count, rounded half to even when shift is negative;
// empty when it does not fit.
std::optional<unsigned long long> scaledCount(const std::string& digits, long long shift) {
    const auto size = static_cast<long long>(digits.size());
    const long long kept = size + shift;  // digits before the rounding point
    unsigned long long count = 0;
    if (kept > 19) return std::nullopt;
    for (long long i = 0; i < kept; ++i) {
        const unsigned digit =
            i < size ? static_cast<unsigned>(digits[static_cast<std::size_t>(i)] - '0') : 0U;
        if (count > (maxTicks - digit) / 10) return std::nullopt;
        count = count * 10 + digit;
    }
    if (kept >= size) return count;
    // Round the dropped digits, half to even.
    const std::size_t first = kept < 0 ? 0 : static_cast<std::size_t>(kept);
    if (kept < 0) return 0ULL;  // below half of the last place (digits start with 1..9)
    const char lead = digits[first];
    bool moreThanHalf = lead > '5';
    if (lead == '5') {
        // Trailing zeros are never stored, so any further digit is non-zero.
        moreThanHalf = digits.size() > first + 1;
        if (!moreThanHalf && count % 2 == 1) moreThanHalf = true;
    }
    if (moreThanHalf) {
        if (count == maxTicks) return std::nullopt;
        ++count;
    }
    return count;
}

}  // namespace

std::optional<FixedDecimal> FixedDecimal::parse(std::string_view text, Language language) {
    const auto scanned = scanDecimalText(text, language);
    if (!scanned) return std::nullopt;
    if (scanned->digits.empty()) return FixedDecimal{};
    const auto count = scaledCount(scanned->digits, scanned->exponent + 4);
    if (!count) return std::nullopt;
    const auto ticks = static_cast<std::int64_t>(*count);
    return fromTicks(scanned->negative ? -ticks : ticks);
}

std::optional<FixedDecimal> FixedDecimal::fromDouble(double value) {
    const double scaled = std::nearbyint(value * static_cast<double>(scale));
    // 2^63 is exactly representable; everything below it in magnitude fits.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 9223372036854775808.0) return std::nullopt;
    return fromTicks(static_cast<std::int64_t>(scaled));
}

double FixedDecimal::toDouble() const { return static_cast<double>(m_ticks) / static_cast<double>(scale); }

std::optional<FixedDecimal> FixedDecimal::times100() const {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(m_ticks, std::int64_t{100}, &product)) return std::nullopt;
    return fromTicks(product);
}

std::string FixedDecimal::text(Language language) const {
    const bool negative = m_ticks < 0;
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(m_ticks) : static_cast<unsigned long long>(m_ticks);
    std::string out = negative ? "-" : "";
    out += std::to_string(magnitude / scale);
    std::string fraction = std::to_string(magnitude % scale);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    if (!fraction.empty()) out += decimalSeparator(language) + fraction;
    return out;
}

}  // namespace zeliro
