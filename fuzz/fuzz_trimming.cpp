// Dipole trimming over any two frequency texts: never crashes, shows at most
// one verdict, and a correction only with a verdict, as a number that reads
// back and is a multiple of 0,05 cm with the sign of the verdict.
#include <cstdint>
#include <string>

#include "core/fixeddecimal.h"
#include "core/trimming.h"
#include "fuzzcheck.h"

using namespace zeliro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto split = rest.find('\n');
    TrimmingInput input;
    input.typeChosen = (data[0] & 1) != 0;
    if (data[0] & 2) selectHorizontal(input.variables);
    if (data[0] & 4) selectInvertedV(input.variables);
    input.wantedText = rest.substr(0, split);
    input.measuredText = split == std::string::npos ? std::string() : rest.substr(split + 1);
    const TrimmingOutcome outcome = computeTrimming(input);
    FUZZ_CHECK(int(outcome.shorten) + int(outcome.lengthen) + int(outcome.unchanged) <= 1);
    if (outcome.correctionText.empty()) return 0;
    FUZZ_CHECK(outcome.shorten || outcome.lengthen || outcome.unchanged);
    const auto correction = FixedDecimal::parse(outcome.correctionText);
    FUZZ_CHECK(correction.has_value());
    // Whole half-millimetres, as long as a double holds every millimetre of
    // the difference (absurd frequencies aside).
    if (correction->ticks() > -100'000'000'000'000 && correction->ticks() < 100'000'000'000'000)
        FUZZ_CHECK(correction->ticks() % 500 == 0);
    if (outcome.lengthen) FUZZ_CHECK(correction->ticks() >= 0);
    if (outcome.shorten) FUZZ_CHECK(correction->ticks() <= 0);
    if (outcome.unchanged) FUZZ_CHECK(correction->ticks() == 0);
    return 0;
}
