// The half-wave dipole over any frequency text: never crashes, never shows a
// length that is not a number or not positive.
#include <cstdint>
#include <string>

#include "core/halfwave.h"
#include "core/numbers.h"
#include "fuzzcheck.h"

using namespace zeliro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    HalfWaveInput input;
    input.configurationChosen = (data[0] & 1) != 0;
    if (data[0] & 2) selectHorizontal(input.variables);
    if (data[0] & 4) selectInvertedV(input.variables);
    input.frequencyText.assign(reinterpret_cast<const char*>(data + 1), size - 1);
    const HalfWaveOutcome outcome = computeHalfWave(input);
    if (!outcome.lengthText.empty()) {
        const auto length = parseDouble(outcome.lengthText);
        FUZZ_CHECK(length.has_value());
        FUZZ_CHECK(*length >= 0);
        FUZZ_CHECK(formatDouble(*length) == outcome.lengthText);
    }
    const auto report =
        halfWaveReport({input.frequencyText, outcome.lengthText, outcome.variables.dipoleConfiguration});
    FUZZ_CHECK(report.size() == 18);
    return 0;
}
