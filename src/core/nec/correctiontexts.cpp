#include "core/nec/correctiontexts.h"

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
              "LA CORREZIONE NON È ARRIVATA A ±1 kHz IN 12 PASSI: È MOSTRATO IL PROGETTO MIGLIORE TROVATO"},
    std::pair{CorrectionText::noResonance,
              "IL MODELLO NON HA NESSUNA RISONANZA A PORTATA: IMPOSSIBILE CORREGGERE"},
    std::pair{CorrectionText::lengthToZero, "LA CORREZIONE PORTEREBBE UN FILO A LUNGHEZZA ZERO O MENO"},
    std::pair{CorrectionText::inductanceToZero,
              "LA CORREZIONE PORTEREBBE LA BOBINA A INDUTTANZA ZERO O MENO: IL FILO È GIÀ TROPPO LUNGO"},
    std::pair{
        CorrectionText::reachesGround,
        "CON LA LUNGHEZZA CORRETTA LE ESTREMITÀ TOCCHEREBBERO IL SUOLO: AUMENTARE L'ALTEZZA O L'ANGOLO"},
    std::pair{CorrectionText::noResponse,
              "LE RISONANZE NON SI SPOSTANO CON LE MISURE: IMPOSSIBILE CORREGGERE"},
    std::pair{CorrectionText::badModel, "IL PROGETTO CORRETTO NON SI PUÒ SIMULARE: %1"},
    std::pair{CorrectionText::badResults, "IL SIMULATORE NON HA DATO TUTTI I RISULTATI DEL PASSO"},
    std::pair{CorrectionText::deckCorrected, "Misure corrette col simulatore, dal progetto:"},
};

constexpr std::array english = {
    std::pair{CorrectionText::totalLength, "TOTAL %1 m (%2 cm), EACH ARM %3 m"},
    std::pair{CorrectionText::innerWire, "INNER WIRE %1 m (%2 cm)"},
    std::pair{CorrectionText::outerWire, "OUTER WIRE %1 m (%2 cm)"},
    std::pair{CorrectionText::coil, "COIL %1 µH (%2 µH)"},
    std::pair{CorrectionText::notConverged,
              "THE CORRECTION DID NOT REACH ±1 kHz IN 12 STEPS: THE BEST DESIGN FOUND IS SHOWN"},
    std::pair{CorrectionText::noResonance, "THE MODEL HAS NO RESONANCE WITHIN REACH: IT CANNOT BE CORRECTED"},
    std::pair{CorrectionText::lengthToZero, "THE CORRECTION WOULD TAKE A WIRE TO ZERO LENGTH OR LESS"},
    std::pair{CorrectionText::inductanceToZero,
              "THE CORRECTION WOULD TAKE THE COIL TO ZERO INDUCTANCE OR LESS: THE WIRE IS ALREADY TOO LONG"},
    std::pair{CorrectionText::reachesGround,
              "AT THE CORRECTED LENGTH THE ENDS WOULD TOUCH THE GROUND: RAISE THE HEIGHT OR THE ANGLE"},
    std::pair{CorrectionText::noResponse,
              "THE RESONANCES DO NOT MOVE WITH THE FIGURES: IT CANNOT BE CORRECTED"},
    std::pair{CorrectionText::badModel, "THE CORRECTED DESIGN CANNOT BE SIMULATED: %1"},
    std::pair{CorrectionText::badResults, "THE SIMULATOR DID NOT GIVE ALL THE RESULTS OF THE STEP"},
    std::pair{CorrectionText::deckCorrected, "Figures corrected by simulation, from the design:"},
};

static_assert(completeColumns(italian, english, CorrectionText::deckCorrected));

// A figure truncated to `decimals`, as the window shows it.
std::string shown(double value, int decimals, Language language) {
    return formatDouble(truncateDecimals(value, decimals), language);
}

// A change truncated toward zero, with its sign ("+48", "-7", "0").
std::string change(double value, int decimals, Language language) {
    const double truncated = truncateDecimals(value, decimals);
    return (truncated > 0 ? "+" : "") + formatDouble(truncated, language);
}

std::string lengthLabel(CorrectionText which, double was, double now, Language language) {
    return fillIn(correctionText(which, language),
                  {shown(now, 2, language), change((now - was) * 100, 0, language)});
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
        out.corretto1 = fillIn(
            correctionText(CorrectionText::totalLength, language),
            {shown(now->totalLengthM, 2, language), change((now->totalLengthM - was) * 100, 0, language),
             shown(now->totalLengthM / 2, 2, language)});
    } else if (const auto* now = std::get_if<TwoBandDesign>(&corrected)) {
        const auto& was = std::get<TwoBandDesign>(original);
        out.corretto1 = lengthLabel(CorrectionText::innerWire, was.innerWireM, now->innerWireM, language);
        out.corretto2 = lengthLabel(CorrectionText::outerWire, was.outerWireM, now->outerWireM, language);
    } else if (const auto* now = std::get_if<LoadingCoilDesign>(&corrected)) {
        const double was = std::get<LoadingCoilDesign>(original).coilInductanceUh;
        out.corretto1 = fillIn(
            correctionText(CorrectionText::coil, language),
            {shown(now->coilInductanceUh, 2, language), change(now->coilInductanceUh - was, 2, language)});
    }
    return out;
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
