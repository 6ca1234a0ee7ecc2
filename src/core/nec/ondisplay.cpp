#include "core/nec/ondisplay.h"

#include <cmath>

#include "core/nec/texts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace {

std::optional<double> positive(std::string_view text, Language language) {
    const std::optional<double> value = parseDouble(text, language);
    if (!value || !(*value > 0)) return std::nullopt;
    return value;
}

Shape shapeOf(bool invertedV) { return invertedV ? Shape::invertedV : Shape::horizontal; }

}  // namespace

std::optional<Design> halfWaveOnDisplay(std::string_view lengthM, std::string_view frequencyMhz,
                                        bool invertedV, Language language) {
    const auto length = positive(lengthM, language);
    const auto frequency = positive(frequencyMhz, language);
    if (!length || !frequency) return std::nullopt;
    return HalfWaveDesign{*length, *frequency, shapeOf(invertedV)};
}

std::optional<Design> twoBandOnDisplay(const TwoBandOnDisplay& shown) {
    const Language l = shown.language;
    const auto inner = positive(shown.innerWireM, l);
    const auto outer = positive(shown.outerWireM, l);
    const auto inductance = positive(shown.inductanceUh, l);
    const auto capacitance = positive(shown.capacitancePf, l);
    const auto first = positive(shown.firstMhz, l);
    const auto second = positive(shown.secondMhz, l);
    if (!inner || !outer || !inductance || !capacitance || !first || !second) return std::nullopt;
    return TwoBandDesign{
        *inner, *outer, *inductance, *capacitance, *first, *second, shapeOf(shown.invertedV)};
}

std::optional<Design> loadingCoilOnDisplay(const LoadingCoilOnDisplay& shown) {
    const Language l = shown.language;
    const auto length = positive(shown.totalLengthM, l);
    const auto diameter = positive(shown.wireDiameterMm, l);
    const auto inductance = positive(shown.inductanceUh, l);
    const auto distance = parseDouble(shown.coilDistanceM, l);
    const auto frequency = positive(shown.frequencyMhz, l);
    if (!length || !diameter || !inductance || !distance || *distance < 0 || !frequency) return std::nullopt;
    return LoadingCoilDesign{*length, *diameter, *inductance, *distance, *frequency, Shape::horizontal};
}

std::string describeDesign(const Design& design, Language language) {
    const auto n = [language](double value) { return formatDouble(value, language); };
    const auto shape = [language](Shape s) {
        return std::string(
            text(s == Shape::invertedV ? Text::shapeInvertedV : Text::shapeHorizontal, language));
    };
    if (const auto* d = std::get_if<HalfWaveDesign>(&design))
        return textWith(Text::describeHalfWave, {shape(d->shape), n(d->totalLengthM), n(d->frequencyMhz)},
                        language);
    if (const auto* d = std::get_if<TwoBandDesign>(&design))
        return textWith(Text::describeTwoBand,
                        {shape(d->shape), n(d->innerWireM), n(d->trapInductanceUh), n(d->trapCapacitancePf),
                         n(d->outerWireM), n(d->firstFrequencyMhz), n(d->secondFrequencyMhz)},
                        language);
    const auto& d = std::get<LoadingCoilDesign>(design);
    return textWith(Text::describeLoadingCoil,
                    {n(d.totalLengthM), n(d.wireDiameterMm), n(d.coilInductanceUh), n(d.coilDistanceM),
                     n(d.frequencyMhz)},
                    language);
}

namespace {
double roundedTo(double value, double step) { return std::round(value / step) * step; }
}  // namespace

Design roundedDesign(const Design& design) {
    const auto m = [](double v) { return roundedTo(v, 1e-3); };
    const auto uh = [](double v) { return roundedTo(v, 1e-2); };
    const auto mhz = [](double v) { return roundedTo(v, 1e-6); };
    if (const auto* d = std::get_if<HalfWaveDesign>(&design))
        return HalfWaveDesign{m(d->totalLengthM), mhz(d->frequencyMhz), d->shape};
    if (const auto* d = std::get_if<TwoBandDesign>(&design))
        return TwoBandDesign{m(d->innerWireM),
                             m(d->outerWireM),
                             uh(d->trapInductanceUh),
                             roundedTo(d->trapCapacitancePf, 1e-2),
                             mhz(d->firstFrequencyMhz),
                             mhz(d->secondFrequencyMhz),
                             d->shape};
    const auto& d = std::get<LoadingCoilDesign>(design);
    return LoadingCoilDesign{m(d.totalLengthM),      roundedTo(d.wireDiameterMm, 1e-2),
                             uh(d.coilInductanceUh), m(d.coilDistanceM),
                             mhz(d.frequencyMhz),    d.shape};
}

}  // namespace zeliro::nec
