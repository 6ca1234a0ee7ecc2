// Text to number and number to text: whatever the text, reading never
// crashes, and every text the program writes reads back to the same value.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/numbers.h"
#include "fuzzcheck.h"

using namespace zeliro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    if (const auto value = parseDouble(text)) {
        FUZZ_CHECK(std::isfinite(*value));
        const std::string written = formatDouble(*value);
        const auto back = parseDouble(written);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(*back == roundSignificant(*value, 15));
        FUZZ_CHECK(formatDouble(*back) == written);
        for (int decimals : {0, 1, 2, 3}) {
            const double truncated = truncateDecimals(*value, decimals);
            FUZZ_CHECK(std::isfinite(truncated));
            // Truncation moves toward zero, never away from it beyond the
            // 15-digit rounding that comes before the drop.
            FUZZ_CHECK(std::fabs(truncated) <= std::fabs(*value) * (1 + 1e-14) + 1e-300);
        }
    }
    if (const auto single = parseSingle(text)) {
        FUZZ_CHECK(std::isfinite(*single));
        const std::string written = formatSingle(*single);
        const auto back = parseSingle(written);
        FUZZ_CHECK(back.has_value());
        // Seven digits are more than a single always holds: just above a
        // power of two whose next power of ten is close (1E+28 sits just
        // above 2^93), one step of the single is wider than one unit of the
        // seventh digit, so the first text may not come back word for word.
        // From the value read back on, writing and reading are stable.
        const std::string rewritten = formatSingle(*back);
        const auto again = parseSingle(rewritten);
        FUZZ_CHECK(again.has_value() && *again == *back);
        FUZZ_CHECK(formatSingle(*again) == rewritten);
        FUZZ_CHECK(std::isfinite(truncateSingle(*single, 2)));
    }
    // English reads and writes by the same rules with a decimal point, and a
    // comma is never part of a number.
    if (const auto value = parseDouble(text, Language::english)) {
        FUZZ_CHECK(text.find(',') == std::string::npos);
        std::string italian = text;
        std::replace(italian.begin(), italian.end(), '.', ',');
        FUZZ_CHECK(parseDouble(italian) == value);
        std::string written = formatDouble(*value, Language::english);
        const auto back = parseDouble(written, Language::english);
        FUZZ_CHECK(back.has_value() && *back == roundSignificant(*value, 15));
        std::replace(written.begin(), written.end(), '.', ',');
        FUZZ_CHECK(written == formatDouble(*value));
    }
    // Raw bytes as a double: every finite value writes a text that reads back.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        const std::string written = formatDouble(raw);
        if (std::isfinite(raw)) {
            const auto back = parseDouble(written);
            FUZZ_CHECK(back.has_value() && *back == roundSignificant(raw, 15));
        } else {
            FUZZ_CHECK(written.empty());
        }
    }
    return 0;
}
