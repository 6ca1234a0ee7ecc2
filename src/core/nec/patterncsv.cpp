// Patterns as CSV, as other programs read them.
#include "core/nec/pattern.h"
#include "core/nec/patternparts.h"

namespace zeliro::nec {

using patternparts::number;

std::string csvText(const CutResult& cut) {
    std::string out = "angle_deg,gain_dBi\n";
    for (const PatternPoint& p : cut.points) out += number(p.angleDeg) + ',' + number(p.gainDbi) + '\n';
    return out;
}

std::string csvText(const std::vector<double>& frequenciesMhz, const std::vector<PatternView>& views) {
    std::string out = "frequency_MHz,plane,angle_deg,gain_dBi\n";
    const auto plane = [](const Cut& cut) {
        switch (cut.kind) {
            case CutKind::elevation:
                return "elevation";
            case CutKind::azimuth:
                return "azimuth";
            case CutKind::ePlane:
                return "E";
            case CutKind::hPlane:
                return "H";
            case CutKind::quadrant:
                break;
        }
        return "quadrant";
    };
    for (std::size_t i = 0; i < views.size() && i < frequenciesMhz.size(); ++i)
        for (const CutResult* cut : {&views[i].main, &views[i].second})
            for (const PatternPoint& p : cut->points)
                out += number(frequenciesMhz[i]) + ',' + plane(cut->cut) + ',' + number(p.angleDeg) + ',' +
                       number(p.gainDbi) + '\n';
    return out;
}

}  // namespace zeliro::nec
