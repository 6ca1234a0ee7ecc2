// The key filter over any field text and key: never crashes, lets through
// only digits, the comma and Backspace, never a second comma and never a
// digit after a lone "0"; the decimal key gives only what the filter passes.
#include <cstdint>
#include <string>

#include "core/keyfilter.h"
#include "fuzzcheck.h"

using namespace zeliro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int code = data[0] | (data[1] << 8);
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    const bool accepted = decimalKeyAccepted(text, code);
    // The decimal key puts in only what the filter itself lets through.
    for (const bool keypad : {false, true})
        if (const auto passed = decimalFieldKey(text, code, keypad))
            FUZZ_CHECK(decimalKeyAccepted(text, *passed));
    if (!accepted) return 0;
    FUZZ_CHECK((code >= '0' && code <= '9') || code == commaCode || code == backspaceCode);
    if (code == commaCode) FUZZ_CHECK(text.find(',') == std::string::npos);
    if (text == "0") FUZZ_CHECK(code < '0');
    return 0;
}
