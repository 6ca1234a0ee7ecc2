// What the correction moves in each kind of design, and the frequencies it
// puts the resonances on.
#include <type_traits>
#include <variant>

#include "core/nec/correction.h"

namespace zeliro::nec {

std::vector<double> correctedFigures(const Design& design) {
    return std::visit(
        [](const auto& d) -> std::vector<double> {
            using D = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<D, HalfWaveDesign>) return {d.totalLengthM};
            if constexpr (std::is_same_v<D, TwoBandDesign>) return {d.innerWireM, d.outerWireM};
            if constexpr (std::is_same_v<D, LoadingCoilDesign>) return {d.coilInductanceUh};
        },
        design);
}

Design withFigures(const Design& design, const std::vector<double>& figures) {
    return std::visit(
        [&](auto d) -> Design {
            using D = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<D, HalfWaveDesign>) d.totalLengthM = figures.at(0);
            if constexpr (std::is_same_v<D, TwoBandDesign>) {
                d.innerWireM = figures.at(0);
                d.outerWireM = figures.at(1);
            }
            if constexpr (std::is_same_v<D, LoadingCoilDesign>) d.coilInductanceUh = figures.at(0);
            return d;
        },
        design);
}

std::vector<double> designFrequencies(const Design& design) {
    return std::visit(
        [](const auto& d) -> std::vector<double> {
            using D = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<D, TwoBandDesign>)
                return {d.firstFrequencyMhz, d.secondFrequencyMhz};
            else
                return {d.frequencyMhz};
        },
        design);
}

}  // namespace zeliro::nec
