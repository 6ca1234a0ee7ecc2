#include "core/nec/ondisplay.h"

#include "core/numbers.h"

namespace zeliro::nec {
namespace {

std::optional<double> positive(std::string_view text, Language language) {
    const std::optional<double> value = parseDouble(text, language);
    if (!value || !(*value > 0)) return std::nullopt;
    return value;
}

Shape shapeOf(bool invertedV) { return invertedV ? Shape::invertedV : Shape::horizontal; }

std::string shapeText(Shape shape, Language language) {
    if (shape == Shape::invertedV) return "inverted V";
    return language == Language::english ? "horizontal" : "orizzontale";
}

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
    const auto figure = [language](double value, std::string_view unit) {
        return formatDouble(value, language) + " " + std::string(unit);
    };
    const auto shapeText = [language](Shape shape) { return nec::shapeText(shape, language); };
    if (language == Language::english) {
        if (const auto* d = std::get_if<HalfWaveDesign>(&design))
            return shapeText(d->shape) + ", total length " + figure(d->totalLengthM, "m") + ", " +
                   figure(d->frequencyMhz, "MHz");
        if (const auto* d = std::get_if<TwoBandDesign>(&design))
            return shapeText(d->shape) + ", inner wire " + figure(d->innerWireM, "m") + ", trap " +
                   figure(d->trapInductanceUh, "µH") + " " + figure(d->trapCapacitancePf, "pF") +
                   ", outer wire " + figure(d->outerWireM, "m") + ", " + figure(d->firstFrequencyMhz, "MHz") +
                   " and " + figure(d->secondFrequencyMhz, "MHz");
        const auto& d = std::get<LoadingCoilDesign>(design);
        return "total length " + figure(d.totalLengthM, "m") + ", wire " + figure(d.wireDiameterMm, "mm") +
               ", coils " + figure(d.coilInductanceUh, "µH") + " at " + figure(d.coilDistanceM, "m") +
               " from the feed point, " + figure(d.frequencyMhz, "MHz");
    }
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
