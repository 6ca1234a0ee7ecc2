// nec2c's report reader over any text: never crashes, and gives either an
// error and no rows, or rows of finite numbers and no error. Rows that read
// are analysed as one sweep, and the band's texts are made. The engine's
// fault text is taken from any text too.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/nec/analysis.h"
#include "fuzzcheck.h"

using namespace zeliro::nec;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view report(reinterpret_cast<const char*>(data), size);
    const OutputOutcome out = readNecOutput(report);
    FUZZ_CHECK(out.error.empty() != out.rows.empty());
    // The engine's words shown under a failure: a fault only where the reader
    // found one, and never more than the five lines asked for.
    const std::string words = engineMessage(report, report);
    if (out.error.empty()) FUZZ_CHECK(reportFault(report).empty());
    FUZZ_CHECK(std::count(words.begin(), words.end(), '\n') <= 5);
    for (const Row& row : out.rows)
        FUZZ_CHECK(std::isfinite(row.frequencyMhz) && std::isfinite(row.resistanceOhm) &&
                   std::isfinite(row.reactanceOhm));
    if (out.rows.size() < 2) return 0;
    Band band;
    band.startMhz = out.rows.front().frequencyMhz;
    band.stepMhz = out.rows[1].frequencyMhz - band.startMhz;
    band.points = static_cast<int>(out.rows.size());
    band.designMhz = band.startMhz + band.stepMhz * ((band.points - 1) / 2);
    const AnalysisOutcome analysis = analyse(out.rows, {band});
    FUZZ_CHECK(analysis.error.empty() == (analysis.bands.size() == 1));
    if (!analysis.error.empty()) return 0;
    const BandResult& result = analysis.bands[0];
    FUZZ_CHECK(result.minimumSwr >= 1);
    if (result.swr2.reached) FUZZ_CHECK(result.swr2.lowMhz <= result.swr2.highMhz);
    const BandTexts texts = bandTexts(result, HalfWaveDesign{20.21, 7.05});
    FUZZ_CHECK(!texts.resonance.empty() && !texts.swr.empty() && !texts.advice.empty());
    return 0;
}
