// nec2c's pattern reader over any text: never crashes, and gives either an
// error and no cuts, or every cut asked for with its points at finite angles
// and gains. Cuts that read give figures and their texts.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/nec/pattern.h"
#include "fuzzcheck.h"

using namespace zeliro::nec;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view report(reinterpret_cast<const char*>(data), size);
    // The first byte picks the request: the ground's elevation and azimuth
    // cuts, the free-space planes, or the ground's quadrant.
    const int pick = size > 0 ? data[0] % 3 : 0;
    const Ground ground = pick == 1 ? Ground::freeSpace : Ground::average;
    const PatternRequest request = pick == 2 ? viewRequest(ground, 7.05) : patternRequest(ground, 7.05, {30});
    const PatternOutcome out = readNecPattern(report, request);
    FUZZ_CHECK(out.error.empty() != out.cuts.empty());
    if (!out.error.empty()) return 0;
    FUZZ_CHECK(out.cuts.size() == request.cuts.size());
    for (const CutResult& cut : out.cuts) {
        FUZZ_CHECK(static_cast<int>(cut.points.size()) == cutPoints(cut.cut.kind));
        for (const PatternPoint& p : cut.points)
            FUZZ_CHECK(std::isfinite(p.angleDeg) && std::isfinite(p.gainDbi));
        const auto lobe = lobeFigures(cut);
        FUZZ_CHECK(lobe && lobe->beamwidthDeg >= 0 && lobe->beamwidthDeg <= 360);
    }
    const FiguresOutcome figures = patternFigures(out, ground);
    FUZZ_CHECK(figures.figures.has_value() == figures.error.empty());
    if (!figures.figures) return 0;
    FUZZ_CHECK(figures.figures->takeOffDeg.has_value() == (ground != Ground::freeSpace));
    const ViewOutcome view = patternView(out, ground);
    FUZZ_CHECK(view.view && !view.view->main.points.empty());
    const PatternTexts texts = patternTexts(*figures.figures);
    FUZZ_CHECK(!texts.gain.empty() && !texts.beamwidth.empty());
    return 0;
}
