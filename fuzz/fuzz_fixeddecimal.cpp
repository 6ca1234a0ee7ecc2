// The four-place decimal: any text either fails or reads to a value whose
// text reads back to the same value; multiplying by 100 never overflows
// silently.
#include <cstdint>
#include <string>

#include "core/fixeddecimal.h"
#include "fuzzcheck.h"

using namespace zeliro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = FixedDecimal::parse(text);
    if (!value) return 0;
    const std::string written = value->text();
    FUZZ_CHECK(written.find('E') == std::string::npos);
    const auto back = FixedDecimal::parse(written);
    FUZZ_CHECK(back.has_value() && *back == *value);
    if (const auto hundred = value->times100()) FUZZ_CHECK(hundred->ticks() / 100 == value->ticks());
    const auto again = FixedDecimal::fromDouble(value->toDouble());
    // Values with up to 15 significant digits survive a trip through a double.
    if (value->ticks() > -999999999999999 && value->ticks() < 999999999999999)
        FUZZ_CHECK(again && *again == *value);
    return 0;
}
