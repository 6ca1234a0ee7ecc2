// The texts of the pattern page and of the height study, in both languages,
// and what the page's labels show.
#include <array>
#include <utility>

#include "core/nec/pattern.h"
#include "core/nec/patternparts.h"
#include "core/nec/texts.h"
#include "core/numbers.h"

namespace zeliro::nec {
namespace patternparts {
namespace {

// One row per PatternText, in the enum's order; one column per language.
constexpr std::array italian = {
    std::pair{PatternText::noPattern, "Nel risultato del simulatore manca il diagramma di radiazione."},
    std::pair{PatternText::patternNotANumber,
              "Il simulatore ha dato un valore non numerico nel diagramma: %1"},
    std::pair{PatternText::wrongDirections, "Il diagramma del simulatore non ha le direzioni richieste: %1"},
    std::pair{PatternText::noCut, "Il diagramma non contiene il piano che serve."},
    std::pair{PatternText::freeSpaceStudy, "Nello spazio libero l'altezza non conta: nessuno studio."},
    std::pair{PatternText::gain, "%1 dBi"},
    std::pair{PatternText::degrees, "%1°"},
    std::pair{
        PatternText::nvis,
        "Irradia soprattutto verso l'alto: collegamenti a breve distanza (NVIS). Azimut mostrato a %1°."},
    std::pair{PatternText::metres, "%1 m"},
    std::pair{PatternText::wavelengths, "%1 λ"},
    std::pair{PatternText::headingHeight, "Altezza"},
    std::pair{PatternText::headingWavelengths, "Lunghezze d'onda"},
    std::pair{PatternText::headingGain, "Guadagno massimo"},
    std::pair{PatternText::headingTakeOff, "Angolo di partenza"},
};

constexpr std::array english = {
    std::pair{PatternText::noPattern, "The simulator's result has no radiation pattern."},
    std::pair{PatternText::patternNotANumber,
              "The simulator gave a value that is not a number in the pattern: %1"},
    std::pair{PatternText::wrongDirections,
              "The simulator's pattern does not have the directions asked for: %1"},
    std::pair{PatternText::noCut, "The pattern does not hold the plane needed."},
    std::pair{PatternText::freeSpaceStudy, "In free space the height does not count: no study."},
    std::pair{PatternText::gain, "%1 dBi"},
    std::pair{PatternText::degrees, "%1°"},
    std::pair{PatternText::nvis,
              "Radiates mostly upwards: short-range contacts (NVIS). Azimuth shown at %1°."},
    std::pair{PatternText::metres, "%1 m"},
    std::pair{PatternText::wavelengths, "%1 λ"},
    std::pair{PatternText::headingHeight, "Height"},
    std::pair{PatternText::headingWavelengths, "Wavelengths"},
    std::pair{PatternText::headingGain, "Peak gain"},
    std::pair{PatternText::headingTakeOff, "Take-off angle"},
};

static_assert(completeColumns(italian, english, PatternText::headingTakeOff));

}  // namespace

std::string textOf(PatternText which, Language language, const std::vector<std::string>& arguments) {
    return fillIn(textIn(italian, english, which, language), arguments);
}

std::string truncated(double v, int decimals, Language language) {
    return formatDouble(truncateDecimals(v, decimals), language);
}

}  // namespace patternparts

using patternparts::PatternText;
using patternparts::textOf;
using patternparts::truncated;

PatternTexts patternTexts(const PatternFigures& figures, Language language) {
    PatternTexts t;
    t.gain = textOf(PatternText::gain, language, {truncated(figures.peakGainDbi, 2, language)});
    if (figures.takeOffDeg)
        t.angle = textOf(PatternText::degrees, language, {truncated(*figures.takeOffDeg, 0, language)});
    t.beamwidth = textOf(PatternText::degrees, language, {truncated(figures.beamwidthDeg, 0, language)});
    if (figures.nvis)
        t.note = textOf(PatternText::nvis, language, {truncated(highLobeAzimuthDeg, 0, language)});
    return t;
}

}  // namespace zeliro::nec
