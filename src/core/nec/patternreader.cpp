// The reader of nec2c's RADIATION PATTERNS blocks.
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/nec/pattern.h"
#include "core/nec/patternparts.h"
#include "core/nec/reportlines.h"
#include "core/nec/texts.h"

namespace zeliro::nec {
namespace {

using patternparts::angleTolerance;
using patternparts::PatternText;
using patternparts::Sweep;
using patternparts::sweepOf;
using patternparts::textOf;
using report::endMark;
using report::fields;
using report::finite;
using report::isFault;
using report::Lines;
using report::tidy;

constexpr std::string_view blockMark = "RADIATION PATTERNS";
// The last of the block's three heading lines.
constexpr std::string_view unitsMark = "DEGREES";
// The cut's own angle of a direction (a quadrant's points keep their order).
double angleOf(CutKind kind, double theta, double phi) {
    switch (kind) {
        case CutKind::elevation:
            return 90 - theta;
        case CutKind::azimuth:
        case CutKind::ePlane:
            return phi;
        case CutKind::quadrant:
            return 0;
        case CutKind::hPlane:
            break;
    }
    const double a = std::fmod(450 - theta, 360);
    return a < 0 ? a + 360 : a;
}

}  // namespace

PatternOutcome readNecPattern(std::string_view report, const PatternRequest& request, Language language) {
    auto failure = [](std::string error) { return PatternOutcome{{}, std::move(error)}; };
    auto nec = [language](Text which, const std::vector<std::string>& arguments = {}) {
        return PatternOutcome{{}, textWith(which, arguments, language)};
    };
    if (fields(report).empty()) return nec(Text::emptyReport);
    if (request.cuts.empty()) return failure(textOf(PatternText::noPattern, language));
    PatternOutcome out;
    bool ended = false;
    Lines lines(report);
    std::string_view line;
    while (lines.next(line)) {
        if (isFault(line)) return nec(Text::engineError, {tidy(line)});
        if (line.find(endMark) != std::string_view::npos) ended = true;
        if (line.find(blockMark) == std::string_view::npos) continue;
        if (out.cuts.size() == request.cuts.size())
            return failure(textOf(PatternText::wrongDirections, language, {tidy(line)}));
        bool headed = false;
        for (int i = 0; i < 5 && !headed && lines.next(line); ++i) {
            const auto f = fields(line);
            headed = !f.empty() && f[0] == unitsMark;
        }
        if (!headed) return nec(Text::truncated);
        CutResult cut{request.cuts[out.cuts.size()], {}};
        const Sweep sweep = sweepOf(cut.cut);
        const int count = cutPoints(cut.cut.kind);
        for (int i = 0; i < count; ++i) {
            if (!lines.next(line) || fields(line).empty()) return nec(Text::truncated);
            const auto f = fields(line);
            // The polarization's sense may be blank: the fields are counted from the end.
            if (f.size() < 11) return nec(Text::truncated);
            const auto theta = finite(f[0]);
            const auto phi = finite(f[1]);
            const auto gain = finite(f[4]);
            const auto eTheta = finite(f[f.size() - 4]);
            const auto ePhi = finite(f[f.size() - 2]);
            if (!theta || !phi || !gain || !eTheta || !ePhi)
                return failure(textOf(PatternText::patternNotANumber, language, {tidy(line)}));
            if (std::abs(*theta - sweep.theta(i)) > angleTolerance ||
                std::abs(*phi - sweep.phi(i)) > angleTolerance)
                return failure(textOf(PatternText::wrongDirections, language, {tidy(line)}));
            cut.points.push_back({angleOf(cut.cut.kind, *theta, *phi), *gain,
                                  *eTheta * *eTheta + *ePhi * *ePhi, *theta, *phi});
        }
        if (cut.cut.kind != CutKind::quadrant)
            std::stable_sort(
                cut.points.begin(), cut.points.end(),
                [](const PatternPoint& a, const PatternPoint& b) { return a.angleDeg < b.angleDeg; });
        out.cuts.push_back(std::move(cut));
    }
    if (!ended) return nec(Text::truncated);
    if (out.cuts.size() != request.cuts.size())
        return failure(textOf(out.cuts.empty() ? PatternText::noPattern : PatternText::wrongDirections,
                              language,
                              {std::to_string(out.cuts.size()) + "/" + std::to_string(request.cuts.size())}));
    return out;
}

}  // namespace zeliro::nec
