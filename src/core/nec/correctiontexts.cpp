#include "core/nec/correctiontexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/numbers.h"

namespace zeliro::nec {
namespace {

// One row per CorrectionText, in the enum's order; one column per language.
constexpr std::array italian = {
    std::pair{CorrectionText::totalLength, "TOTALE %1 m (%2 cm), OGNI BRACCIO %3 m"},
    std::pair{CorrectionText::innerWire, "FILO INTERNO %1 m (%2 cm)"},
    std::pair{CorrectionText::outerWire, "FILO ESTERNO %1 m (%2 cm)"},
    std::pair{CorrectionText::coil, "BOBINA %1 µH (%2 µH)"},
    std::pair{CorrectionText::notConverged,
              "La correzione non è arrivata a ±1 kHz in 12 passi: è mostrato il progetto migliore trovato."},
    std::pair{CorrectionText::noResonance,
              "Il modello non ha nessuna risonanza a portata: impossibile correggere."},
    std::pair{CorrectionText::lengthToZero, "La correzione porterebbe un filo a lunghezza zero o meno."},
    std::pair{CorrectionText::inductanceToZero,
              "La correzione porterebbe la bobina a induttanza zero o meno: il filo è già troppo lungo."},
    std::pair{
        CorrectionText::reachesGround,
        "Con la lunghezza corretta le estremità toccherebbero il suolo: aumentare l'altezza o l'angolo."},
    std::pair{CorrectionText::noResponse,
              "Le risonanze non si spostano con le misure: impossibile correggere."},
    std::pair{CorrectionText::badModel, "Il progetto corretto non si può simulare: %1"},
    std::pair{CorrectionText::badResults, "Il simulatore non ha dato tutti i risultati del passo."},
    std::pair{CorrectionText::deckCorrected, "Misure corrette col simulatore, dal progetto:"},
    std::pair{CorrectionText::done,
              "Corretto in %1 passi: ogni risonanza è entro %2 kHz dalla frequenza di progetto."},
};

constexpr std::array english = {
    std::pair{CorrectionText::totalLength, "TOTAL %1 m (%2 cm), EACH ARM %3 m"},
    std::pair{CorrectionText::innerWire, "INNER WIRE %1 m (%2 cm)"},
    std::pair{CorrectionText::outerWire, "OUTER WIRE %1 m (%2 cm)"},
    std::pair{CorrectionText::coil, "COIL %1 µH (%2 µH)"},
    std::pair{CorrectionText::notConverged,
              "The correction did not reach ±1 kHz in 12 steps: the best design found is shown."},
    std::pair{CorrectionText::noResonance,
              "The model has no resonance within reach: it cannot be corrected."},
    std::pair{CorrectionText::lengthToZero, "The correction would take a wire to zero length or less."},
    std::pair{CorrectionText::inductanceToZero,
              "The correction would take the coil to zero inductance or less: the wire is already too long."},
    std::pair{CorrectionText::reachesGround,
              "At the corrected length the ends would touch the ground: raise the height or the angle."},
    std::pair{CorrectionText::noResponse,
              "The resonances do not move with the figures: it cannot be corrected."},
    std::pair{CorrectionText::badModel, "The corrected design cannot be simulated: %1"},
    std::pair{CorrectionText::badResults, "The simulator did not give all the results of the step."},
    std::pair{CorrectionText::deckCorrected, "Figures corrected by simulation, from the design:"},
    std::pair{CorrectionText::done,
              "Corrected in %1 steps: every resonance is within %2 kHz of its design frequency."},
};

static_assert(completeColumns(italian, english, CorrectionText::done));

// A figure truncated to `decimals`, as the window shows it.
std::string shown(double value, int decimals, Language language) {
    return formatDouble(truncateDecimals(value, decimals), language);
}

// The change between the two figures as shown (each truncated to two
// decimals), times `scale` (100: metres to centimetres), with its sign
// ("+48", "-7", "0"): the label's change always agrees with its figure and
// the design's.
std::string change(double was, double now, double scale, int decimals, Language language) {
    const double step = std::pow(10.0, -decimals);
    const double difference =
        std::round((truncateDecimals(now, 2) - truncateDecimals(was, 2)) * scale / step) * step;
    return (difference > 0 ? "+" : "") + formatDouble(difference, language);
}

std::string lengthLabel(CorrectionText which, double was, double now, Language language) {
    return fillIn(correctionText(which, language),
                  {shown(now, 2, language), change(was, now, 100, 0, language)});
}

}  // namespace

std::string_view correctionText(CorrectionText which, Language language) {
    return textIn(italian, english, which, language);
}

CorrectionLabels correctionLabels(const Design& original, const Design& corrected, Language language) {
    CorrectionLabels out;
    if (original.index() != corrected.index()) return out;
    if (const auto* now = std::get_if<HalfWaveDesign>(&corrected)) {
        const double was = std::get<HalfWaveDesign>(original).totalLengthM;
        out.corretto1 =
            fillIn(correctionText(CorrectionText::totalLength, language),
                   {shown(now->totalLengthM, 2, language), change(was, now->totalLengthM, 100, 0, language),
                    shown(now->totalLengthM / 2, 2, language)});
    } else if (const auto* now = std::get_if<TwoBandDesign>(&corrected)) {
        const auto& was = std::get<TwoBandDesign>(original);
        out.corretto1 = lengthLabel(CorrectionText::innerWire, was.innerWireM, now->innerWireM, language);
        out.corretto2 = lengthLabel(CorrectionText::outerWire, was.outerWireM, now->outerWireM, language);
    } else if (const auto* now = std::get_if<LoadingCoilDesign>(&corrected)) {
        const double was = std::get<LoadingCoilDesign>(original).coilInductanceUh;
        out.corretto1 = fillIn(
            correctionText(CorrectionText::coil, language),
            {shown(now->coilInductanceUh, 2, language), change(was, now->coilInductanceUh, 1, 2, language)});
    }
    return out;
}

std::string correctionDoneText(int steps, const std::vector<double>& deviationsKhz, Language language) {
    double largest = 0;
    for (double deviation : deviationsKhz) largest = std::max(largest, std::abs(deviation));
    // A distance of a measured kind: rounded to the tenth shown, not truncated.
    return fillIn(correctionText(CorrectionText::done, language),
                  {std::to_string(steps), formatDouble(std::round(largest * 10) / 10, language)});
}

std::string correctionFailureText(CorrectionFailure reason, const std::string& modelError,
                                  Language language) {
    auto say = [&](CorrectionText which) { return std::string(correctionText(which, language)); };
    switch (reason) {
        case CorrectionFailure::none:
            return {};
        case CorrectionFailure::notConverged:
            return say(CorrectionText::notConverged);
        case CorrectionFailure::noResonance:
            return say(CorrectionText::noResonance);
        case CorrectionFailure::lengthToZero:
            return say(CorrectionText::lengthToZero);
        case CorrectionFailure::inductanceToZero:
            return say(CorrectionText::inductanceToZero);
        case CorrectionFailure::reachesGround:
            return say(CorrectionText::reachesGround);
        case CorrectionFailure::noResponse:
            return say(CorrectionText::noResponse);
        case CorrectionFailure::badModel:
            return fillIn(correctionText(CorrectionText::badModel, language), {modelError});
        case CorrectionFailure::badResults:
            break;
    }
    return say(CorrectionText::badResults);
}

}  // namespace zeliro::nec
