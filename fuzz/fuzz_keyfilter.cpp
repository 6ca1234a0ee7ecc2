// The key filter over any field text and key: never crashes, lets through
// only digits, the comma and Backspace, never a second comma and never a
// digit after a lone "0"; the decimal key gives only what the filter passes.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/keyfilter.h"
#include "fuzzcheck.h"

using namespace zeliro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int code = data[0] | (data[1] << 8);
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    // A paste of the text at its middle: in whole or not at all, and what goes
    // in is digits and at most one comma, never a second one.
    const std::string_view all(text);
    const std::string_view before = all.substr(0, all.size() / 2);
    const std::string_view after = all.substr(all.size() / 2);
    const std::string_view pasted = all.substr(all.size() / 3);
    const FieldEntryOutcome paste = decimalFieldEntry({before, after, pasted, false, ','});
    if (paste.accepted) {
        std::size_t commas = 0;
        for (const char c : paste.inserted) {
            FUZZ_CHECK((c >= '0' && c <= '9') || c == ',');
            commas += c == ',';
        }
        const bool commaBefore = all.find(',') != std::string_view::npos;
        FUZZ_CHECK(commas <= (commaBefore ? 0u : 1u));
    } else {
        FUZZ_CHECK(paste.inserted.empty());
    }
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
