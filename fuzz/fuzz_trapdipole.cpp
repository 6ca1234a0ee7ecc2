// The two-band trap dipole over any six field texts (separated by new lines)
// and any choice of configuration and cable: never crashes, every result it
// shows reads back as the number it is, no length is negative, a warning
// always has its routine, and the report always has its 40 lines.
#include <cstdint>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "core/trapdipole.h"
#include "fuzzcheck.h"

using namespace zeliro;

namespace {

void checkShown(const std::optional<std::string>& text) {
    if (!text || text->empty()) return;
    const auto value = parseDouble(*text);
    FUZZ_CHECK(value.has_value());
    FUZZ_CHECK(formatDouble(*value) == *text);
}

// The cable and the two wires are lengths: never below zero.
void checkLength(const std::optional<std::string>& text) {
    if (!text || text->empty()) return;
    FUZZ_CHECK(parseDouble(*text).value_or(-1.0) >= 0.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const auto shape = static_cast<DipoleShape>(data[0] % 3);
    const auto cable = static_cast<CableChoice>((data[0] / 3) % 6);
    std::vector<std::string> texts(6);
    std::size_t field = 0;
    for (std::size_t i = 1; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n' && field + 1 < texts.size())
            ++field;
        else
            texts[field] += c;
    }

    TrapDipoleInput input{texts[0], texts[1], texts[2], texts[3],
                          texts[4], texts[5], shape,    dipoleConfiguration(shape).constants};
    const TrapDipoleOutcome outcome = computeTrapDipole(input);
    for (const auto* text : {&outcome.coilCapacitance, &outcome.coilInductance, &outcome.cutoffFrequency,
                             &outcome.cableLength, &outcome.innerWire, &outcome.outerWire})
        checkShown(*text);
    for (const auto* text : {&outcome.cableLength, &outcome.innerWire, &outcome.outerWire})
        checkLength(*text);
    if (shape == DipoleShape::None) FUZZ_CHECK(outcome.warning == TrapWarning::NoConfiguration);

    TrapDipoleScreen screen;
    screen.text1 = texts[0];
    screen.text7 = texts[5];
    screen.label26 = outcome.cutoffFrequency.value_or("");
    screen.cable = cable;
    FUZZ_CHECK(trapDipoleReport(screen).size() == 40);
    return 0;
}
