// The installation's options over arbitrary texts: the insulation, the soil,
// the cable and the span never crash the reader, and what reads builds a
// model or is refused with a message, never a model with figures that are
// not numbers.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/nec/installation.h"
#include "fuzzcheck.h"

using namespace zeliro;
using namespace zeliro::nec;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte chooses the soil, the conductor and the language; the
    // second the cable; the rest are the texts, split at '|'.
    ModelOptions options;
    options.ground = static_cast<Ground>(data[0] % 9);
    options.conductor = static_cast<Conductor>((data[0] / 9) % 6);
    const Language language = data[0] & 0x80 ? Language::english : Language::italian;
    std::vector<std::string> parts(1);
    for (std::size_t i = 2; i < size; ++i)
        if (data[i] == '|')
            parts.emplace_back();
        else
            parts.back() += static_cast<char>(data[i]);
    parts.resize(11);
    InstallationTexts texts{parts[0], parts[1], parts[2], parts[3], {},      parts[4],
                            parts[5], parts[6], parts[7], parts[8], parts[9]};
    const auto& catalogue = cableCatalogue();
    const std::size_t choice = data[1] % (catalogue.size() + 3);
    texts.cable = choice == 0   ? std::string()
                  : choice == 1 ? std::string(ownCableChoice)
                  : choice == 2 ? parts[10]
                                : catalogue[choice - 3].name;
    const InstallationReading reading = readInstallation(texts, options, language);
    if (reading.field != InstallationField::none) {
        FUZZ_CHECK(reading.notANumber || reading.unknownCable || !reading.error.empty());
        return 0;
    }
    FUZZ_CHECK(feedlineError(reading.feedline, language).empty());
    FUZZ_CHECK(std::isfinite(options.insulationMm) && std::isfinite(options.spanPercent));
    const ModelOutcome built = buildModel(HalfWaveDesign{20.21, 7.05}, options, language);
    if (built.error.empty()) {
        FUZZ_CHECK(!built.model.bands.empty());
        FUZZ_CHECK(std::isfinite(built.model.insulationHPerM) && built.model.insulationHPerM >= 0);
        for (const Band& band : built.model.bands)
            FUZZ_CHECK(band.startMhz > 0 && std::isfinite(band.stepMhz));
    }
    if (reading.feedline.lengthM > 0) {
        const auto rows = atShackEnd(std::vector<Row>{{7.05, 73, 0}}, reading.feedline, 50);
        FUZZ_CHECK(rows.size() == 1 && std::isfinite(rows[0].resistanceOhm));
    }
    return 0;
}
