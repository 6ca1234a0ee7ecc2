#include "core/nec/ondisplay.h"

#include "core/numbers.h"

namespace zeliro::nec {
namespace {

std::optional<double> positive(std::string_view text) {
    const std::optional<double> value = parseDouble(text);
    if (!value || !(*value > 0)) return std::nullopt;
    return value;
}

Shape shapeOf(bool invertedV) { return invertedV ? Shape::invertedV : Shape::horizontal; }

std::string shapeText(Shape shape) { return shape == Shape::invertedV ? "inverted V" : "orizzontale"; }

std::string figure(double value, std::string_view unit) {
    return formatDouble(value) + " " + std::string(unit);
}

}  // namespace

std::optional<Design> halfWaveOnDisplay(std::string_view lengthM, std::string_view frequencyMhz,
                                        bool invertedV) {
    const auto length = positive(lengthM);
    const auto frequency = positive(frequencyMhz);
    if (!length || !frequency) return std::nullopt;
    return HalfWaveDesign{*length, *frequency, shapeOf(invertedV)};
}

std::optional<Design> twoBandOnDisplay(const TwoBandOnDisplay& shown) {
    const auto inner = positive(shown.innerWireM);
    const auto outer = positive(shown.outerWireM);
    const auto inductance = positive(shown.inductanceUh);
    const auto capacitance = positive(shown.capacitancePf);
    const auto first = positive(shown.firstMhz);
    const auto second = positive(shown.secondMhz);
    if (!inner || !outer || !inductance || !capacitance || !first || !second) return std::nullopt;
    return TwoBandDesign{
        *inner, *outer, *inductance, *capacitance, *first, *second, shapeOf(shown.invertedV)};
}

std::optional<Design> loadingCoilOnDisplay(const LoadingCoilOnDisplay& shown) {
    const auto length = positive(shown.totalLengthM);
    const auto diameter = positive(shown.wireDiameterMm);
    const auto inductance = positive(shown.inductanceUh);
    const auto distance = parseDouble(shown.coilDistanceM);
    const auto frequency = positive(shown.frequencyMhz);
    if (!length || !diameter || !inductance || !distance || *distance < 0 || !frequency) return std::nullopt;
    return LoadingCoilDesign{*length, *diameter, *inductance, *distance, *frequency, Shape::horizontal};
}

std::string describeDesign(const Design& design) {
    if (const auto* d = std::get_if<HalfWaveDesign>(&design))
        return shapeText(d->shape) + ", lunghezza totale " + figure(d->totalLengthM, "m") + ", " +
               figure(d->frequencyMhz, "MHz");
    if (const auto* d = std::get_if<TwoBandDesign>(&design))
        return shapeText(d->shape) + ", filo interno " + figure(d->innerWireM, "m") + ", trappola " +
               figure(d->trapInductanceUh, "µH") + " " + figure(d->trapCapacitancePf, "pF") +
               ", filo esterno " + figure(d->outerWireM, "m") + ", " + figure(d->firstFrequencyMhz, "MHz") +
               " e " + figure(d->secondFrequencyMhz, "MHz");
    const auto& d = std::get<LoadingCoilDesign>(design);
    return "lunghezza totale " + figure(d.totalLengthM, "m") + ", filo " + figure(d.wireDiameterMm, "mm") +
           ", bobine " + figure(d.coilInductanceUh, "µH") + " a " + figure(d.coilDistanceM, "m") +
           " dal centrale, " + figure(d.frequencyMhz, "MHz");
}

}  // namespace zeliro::nec
