// The desk calculator over any run of keys (one byte a key): never crashes,
// always shows a number, a lone minus sign or the error text, and "C" always
// brings back "0,". The English calculator, given the same keys, shows the
// same display with a decimal point.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "core/deskcalculator.h"
#include "core/numbers.h"
#include "fuzzcheck.h"

using namespace zeliro;

namespace {

constexpr std::string_view keys[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                     ".", "+", "-", "X", "/", "=", "%", "C", "CE"};

KeyOutcome press(DeskCalculator& calculator, std::string_view key) {
    if (key.size() == 1 && key[0] >= '0' && key[0] <= '9') return calculator.number(key);
    if (key == ".") return calculator.decimal();
    if (key == "%") return calculator.percent();
    if (key == "C") return calculator.cancel();
    if (key == "CE") return calculator.cancelEntry();
    return calculator.operatorKey(key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DeskCalculator calculator;
    DeskCalculator english(Language::english);
    for (std::size_t i = 0; i < size; ++i) {
        const std::string_view key = keys[data[i] % std::size(keys)];
        const KeyOutcome outcome = press(calculator, key);
        const std::string& shown = outcome.readout;
        FUZZ_CHECK(shown == calculator.readout());
        FUZZ_CHECK(parseDouble(shown).has_value() || shown == "-" ||
                   (shown == DeskCalculator::errorText && calculator.failed()));
        FUZZ_CHECK(!calculator.failed() || shown == DeskCalculator::errorText);
        FUZZ_CHECK(key != "C" || shown == "0,");
        FUZZ_CHECK(!outcome.divisionByZero || std::string_view("+-X/=").find(key) != std::string_view::npos);
        FUZZ_CHECK(calculator.values().operandCount >= 0);

        const KeyOutcome inEnglish = press(english, key);
        std::string expected = calculator.failed() ? std::string("Error") : shown;
        std::replace(expected.begin(), expected.end(), ',', '.');
        FUZZ_CHECK(inEnglish.readout == expected);
        FUZZ_CHECK(inEnglish.divisionByZero == outcome.divisionByZero);
    }
    return 0;
}
