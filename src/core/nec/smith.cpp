#include "core/nec/smith.h"

#include <algorithm>
#include <cmath>

namespace zeliro::nec {

std::optional<Reflection> reflection(double resistanceOhm, double reactanceOhm, double referenceOhm) {
    if (!(referenceOhm > 0) || !std::isfinite(referenceOhm)) return std::nullopt;
    // By parts: Z = -Z0 (a zero denominator) has no reflection at all.
    const double r = resistanceOhm / referenceOhm;
    const double x = reactanceOhm / referenceOhm;
    const double denominator = (r + 1) * (r + 1) + x * x;
    if (!std::isfinite(denominator) || denominator == 0) return std::nullopt;
    const Reflection gamma((r * r + x * x - 1) / denominator, 2 * x / denominator);
    if (!std::isfinite(gamma.real()) || !std::isfinite(gamma.imag())) return std::nullopt;
    return gamma;
}

Circle resistanceCircle(double normalisedResistance) {
    const double r = std::max(normalisedResistance, 0.0);
    return {{r / (r + 1), 0}, 1 / (r + 1)};
}

Circle reactanceCircle(double normalisedReactance) {
    const double x = normalisedReactance;
    return {{1, 1 / x}, 1 / std::abs(x)};
}

Circle swrCircle(double swr) {
    const double s = std::max(swr, 1.0);
    return {{0, 0}, (s - 1) / (s + 1)};
}

std::optional<Row> impedanceAt(const std::vector<Row>& rows, double frequencyMhz) {
    const auto above = std::lower_bound(rows.begin(), rows.end(), frequencyMhz,
                                        [](const Row& row, double f) { return row.frequencyMhz < f; });
    if (above == rows.end()) return std::nullopt;
    if (above->frequencyMhz == frequencyMhz) return *above;
    if (above == rows.begin()) return std::nullopt;
    const Row& below = *(above - 1);
    const double share = (frequencyMhz - below.frequencyMhz) / (above->frequencyMhz - below.frequencyMhz);
    return Row{frequencyMhz, below.resistanceOhm + share * (above->resistanceOhm - below.resistanceOhm),
               below.reactanceOhm + share * (above->reactanceOhm - below.reactanceOhm)};
}

}  // namespace zeliro::nec
