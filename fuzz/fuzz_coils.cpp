// The two coil calculations over any four field texts and any earlier
// variables: never crash, never show a value that is not a plain number or is
// below zero, and never leave a window-level variable that is not a number.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/coilconstruction.h"
#include "core/loadingcoil.h"
#include "core/numbers.h"
#include "fuzzcheck.h"

using namespace zeliro;

namespace {

// The first byte picks the window; the rest is four field texts split at '|'.
std::vector<std::string> fieldTexts(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> texts(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '|' && texts.size() < 4)
            texts.emplace_back();
        else
            texts.back() += static_cast<char>(data[i]);
    }
    texts.resize(4);
    return texts;
}

void checkShown(const std::optional<std::string>& text) {
    if (!text || text->empty()) return;
    const auto value = parseDouble(*text);
    FUZZ_CHECK(value.has_value());
    FUZZ_CHECK(std::isfinite(*value));
    FUZZ_CHECK(*value >= 0);  // no coil has a negative inductance
    FUZZ_CHECK(formatDouble(*value) == *text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::vector<std::string> t = fieldTexts(data + 1, size - 1);
    if (data[0] & 1) {
        const LoadingCoilOutcome first = loadingCoil({t[0], t[1], t[2], t[3], {}});
        checkShown(first.inductance);
        FUZZ_CHECK(std::isfinite(first.variables.innerLogTerm) &&
                   std::isfinite(first.variables.outerLogTerm));
        if (!first.calculated) FUZZ_CHECK(!first.inductance && first.warning == LoadingCoilWarning::none);
        const LoadingCoilOutcome again = loadingCoil({t[0], t[1], t[2], t[3], first.variables});
        FUZZ_CHECK(again.inductance == first.inductance && again.warning == first.warning);
        FUZZ_CHECK(loadingCoilReport({t[0], t[1], t[2], t[3], first.inductance.value_or("")}).size() == 21);
    } else {
        const CoilConstructionOutcome first = coilConstruction({t[0], t[1], t[2], t[3], {}});
        checkShown(first.inductance);
        const CoilConstructionVariables& v = first.variables;
        for (const double value :
             {double(v.meanRadius), double(v.windingLength), double(v.wireDiameter), double(v.turns),
              double(v.outerRadius), v.windingLengthMm, v.correctionLog})
            FUZZ_CHECK(std::isfinite(value));
        if (!first.calculated)
            FUZZ_CHECK(!first.inductance && first.warning == CoilConstructionWarning::none);
        const CoilConstructionOutcome again = coilConstruction({t[0], t[1], t[2], t[3], first.variables});
        FUZZ_CHECK(again.inductance == first.inductance && again.warning == first.warning);
        FUZZ_CHECK(coilConstructionReport({t[0], t[1], t[2], t[3], first.inductance.value_or("")}).size() ==
                   21);
    }
    return 0;
}
