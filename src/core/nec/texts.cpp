#include "core/nec/texts.h"

#include <array>
#include <utility>

namespace zeliro::nec {
namespace {

// One row per Text, in the enum's order; one column per language.
constexpr std::array italian = {
    std::pair{Text::groundFreeSpace, "Spazio libero"},
    std::pair{Text::groundAverage, "Suolo medio"},
    std::pair{Text::groundPerfect, "Suolo perfetto"},
    std::pair{Text::badLength, "LA LUNGHEZZA DEL FILO NON È VALIDA"},
    std::pair{Text::badFrequency, "LA FREQUENZA DI PROGETTO NON È VALIDA"},
    std::pair{Text::badDiameter, "IL DIAMETRO DEL FILO NON È VALIDO"},
    std::pair{Text::badHeight, "L'ALTEZZA SUL SUOLO DEVE ESSERE MAGGIORE DI ZERO"},
    std::pair{Text::badAngle, "L'ANGOLO ALL'APICE DEVE ESSERE MAGGIORE DI 0 E AL MASSIMO 180 GRADI"},
    std::pair{Text::badQuality, "IL FATTORE Q DEVE ESSERE MAGGIORE DI ZERO"},
    std::pair{Text::badPoints, "I PUNTI PER BANDA DEVONO ESSERE FRA 2 E 1000"},
    std::pair{Text::badSpan, "L'AMPIEZZA DELLA SCANSIONE DEVE ESSERE FRA 0 E 50 %"},
    std::pair{Text::badTrap, "INDUTTANZA E CAPACITÀ DELLA TRAPPOLA DEVONO ESSERE MAGGIORI DI ZERO"},
    std::pair{Text::badCoil, "L'INDUTTANZA DELLA BOBINA DEVE ESSERE MAGGIORE DI ZERO"},
    std::pair{Text::coilPosition, "LA BOBINA DEVE STARE FRA IL CENTRO E L'ESTREMITÀ DEL BRACCIO"},
    std::pair{Text::wireTooShort,
              "UN TRATTO DI FILO FRA CENTRO, TRAPPOLE O BOBINE ED ESTREMITÀ È TROPPO CORTO PER IL MODELLO"},
    std::pair{Text::wireTooThick, "IL FILO È TROPPO GROSSO PER QUESTA FREQUENZA"},
    std::pair{Text::belowGround,
              "LE ESTREMITÀ DELL'ANTENNA TOCCANO IL SUOLO: AUMENTARE L'ALTEZZA O L'ANGOLO"},
    std::pair{Text::emptyReport, "IL SIMULATORE NON HA SCRITTO NESSUN RISULTATO"},
    std::pair{Text::engineError, "IL SIMULATORE HA SEGNALATO UN ERRORE: %1"},
    std::pair{Text::noTable, "NEL RISULTATO DEL SIMULATORE MANCA LA TABELLA DELL'IMPEDENZA"},
    std::pair{Text::truncated, "IL RISULTATO DEL SIMULATORE È INCOMPLETO"},
    std::pair{Text::notANumber, "IL SIMULATORE HA DATO UN VALORE NON NUMERICO A %1 MHz"},
    std::pair{Text::noImpedance, "IL SIMULATORE NON HA DATO L'IMPEDENZA A %1 MHz"},
    std::pair{Text::noFrequency, "NEL RISULTATO DEL SIMULATORE C'È UN'IMPEDENZA SENZA FREQUENZA"},
    std::pair{Text::badReference, "L'IMPEDENZA DI RIFERIMENTO DEVE ESSERE MAGGIORE DI ZERO"},
    std::pair{Text::fewRows, "LE FREQUENZE SIMULATE NON CORRISPONDONO ALLA SCANSIONE"},
    std::pair{Text::noResonance, "NESSUNA RISONANZA"},
    std::pair{Text::noBandwidth, "SWR MAI SOTTO 2"},
    std::pair{Text::offLowEdge, "OLTRE L'INIZIO DELLA SCANSIONE"},
    std::pair{Text::offHighEdge, "OLTRE LA FINE DELLA SCANSIONE"},
    std::pair{Text::offBothEdges, "OLTRE I DUE BORDI DELLA SCANSIONE"},
    std::pair{Text::deviation, "LA RISONANZA È A %1 kHz (%2 %) DALLA FREQUENZA DI PROGETTO."},
    std::pair{Text::onFrequency, "LA LUNGHEZZA VA BENE."},
    std::pair{Text::lengthenArm, "ALLUNGARE OGNI BRACCIO DI %1 cm"},
    std::pair{Text::shortenArm, "ACCORCIARE OGNI BRACCIO DI %1 cm"},
    std::pair{Text::lengthenInner, "ALLUNGARE IL FILO INTERNO DI OGNI BRACCIO DI %1 cm"},
    std::pair{Text::shortenInner, "ACCORCIARE IL FILO INTERNO DI OGNI BRACCIO DI %1 cm"},
    std::pair{Text::lengthenOuter, "ALLUNGARE IL FILO ESTERNO DI OGNI BRACCIO DI %1 cm"},
    std::pair{Text::shortenOuter, "ACCORCIARE IL FILO ESTERNO DI OGNI BRACCIO DI %1 cm"},
    std::pair{Text::deckHalfWave, "Dipolo a mezz'onda %1 m, %2 MHz"},
    std::pair{Text::deckTwoBand,
              "Dipolo a due bande con trappole: filo interno %1 m, esterno %2 m per braccio"},
    std::pair{Text::deckTrap, "Trappola %1 uH, %2 pF, Q %3"},
    std::pair{Text::deckShortened, "Dipolo accorciato %1 m, %2 MHz"},
    std::pair{Text::deckCoil, "Bobina %1 uH a %2 m dal centro, Q %3"},
    std::pair{Text::shapeHorizontal, "orizzontale"},
    std::pair{Text::shapeInvertedV, "inverted V"},
    std::pair{Text::describeHalfWave, "%1, lunghezza totale %2 m, %3 MHz"},
    std::pair{Text::describeTwoBand,
              "%1, filo interno %2 m, trappola %3 µH %4 pF, filo esterno %5 m, %6 MHz e %7 MHz"},
    std::pair{Text::describeLoadingCoil,
              "lunghezza totale %1 m, filo %2 mm, bobine %3 µH a %4 m dal centrale, %5 MHz"},
    std::pair{Text::noMeasuredPoints, "nessun punto misurato in questa banda"},
    std::pair{Text::measuredMinimum, "SWR min %1 a %2 MHz"},
    std::pair{Text::measuredZero, ", X = 0 a %1 MHz"},
    std::pair{Text::measuredBandwidth, ", banda 2:1 %1 kHz"},
    std::pair{Text::measuredNoBandwidth, ", banda 2:1 non misurabile"},
    std::pair{Text::modelMinusMeasured, ", modello - misura %1 kHz"},
    std::pair{Text::cannotOpen, "Impossibile aprire il file %1."},
    std::pair{Text::measuredNoMinimum, "nessun minimo di SWR nella scansione"},
    std::pair{Text::measuredLowEdge,
              "SWR più basso all'inizio della scansione (%1 a %2 MHz): la risonanza è più in basso"},
    std::pair{Text::measuredHighEdge,
              "SWR ancora in discesa alla fine della scansione (%1 a %2 MHz): la risonanza è più in alto"},
    std::pair{Text::measuredAtReference, ", misurato a %1 Ω"},
    std::pair{Text::trimNoWanted,
              "Inserire prima la frequenza di trasmissione desiderata: il minimo di SWR si cerca vicino a "
              "essa."},
    std::pair{Text::trimNoMinimum, "La misura non ha nessun minimo di SWR: il campo non è stato riempito."},
    std::pair{Text::trimFarMinimum,
              "Nessun minimo di SWR entro il %1 % di %2 MHz: il più vicino è a %3 MHz. Il campo non è stato "
              "riempito."},
    std::pair{Text::trimHighEdge,
              "L'SWR scende ancora alla fine della misura (%1 MHz): la risonanza è più in alto, fuori dalla "
              "misura. Il campo non è stato riempito."},
    std::pair{Text::trimLowEdge,
              "L'SWR è più basso all'inizio della misura (%1 MHz): la risonanza è più in basso, fuori dalla "
              "misura. Il campo non è stato riempito."},
    std::pair{Text::modelTooLarge,
              "IL MODELLO È TROPPO GRANDE: %1 SEGMENTI (AL MASSIMO %2), CIRCA %3 MB DI MEMORIA, E IL CALCOLO "
              "NON FINIREBBE IN TEMPO. ACCORCIARE IL FILO O ABBASSARE LA FREQUENZA"},
    std::pair{Text::addCoil, "AGGIUNGERE %1 µH A OGNI BOBINA"},
    std::pair{Text::removeCoil, "TOGLIERE %1 µH DA OGNI BOBINA"},
    std::pair{Text::coilRight, "LA BOBINA VA BENE."},
    std::pair{Text::noResonanceTooLong,
              "NESSUNA RISONANZA NELLA SCANSIONE: LA REATTANZA È INDUTTIVA, L'ANTENNA È TROPPO LUNGA. "
              "ALLARGARE LA SCANSIONE"},
    std::pair{Text::noResonanceTooShort,
              "NESSUNA RISONANZA NELLA SCANSIONE: LA REATTANZA È CAPACITIVA, L'ANTENNA È TROPPO CORTA. "
              "ALLARGARE LA SCANSIONE"},
    std::pair{Text::notAReport, "IL SIMULATORE HA SCRITTO UN TESTO CHE NON È UN SUO RISULTATO"},
    std::pair{Text::csvReference, "impedenza di riferimento %1 ohm"},
    std::pair{Text::csvOptions,
              "filo %1 mm, %2, altezza %3 m, angolo all'apice %4 gradi, Q %5, %6, %7 punti per banda, "
              "scansione +/- %8 %"},
    std::pair{Text::csvCopperLoss, "con le perdite del rame"},
    std::pair{Text::csvNoCopperLoss, "senza perdite del rame"},
};

constexpr std::array english = {
    std::pair{Text::groundFreeSpace, "Free space"},
    std::pair{Text::groundAverage, "Average ground"},
    std::pair{Text::groundPerfect, "Perfect ground"},
    std::pair{Text::badLength, "THE WIRE LENGTH IS NOT VALID"},
    std::pair{Text::badFrequency, "THE DESIGN FREQUENCY IS NOT VALID"},
    std::pair{Text::badDiameter, "THE WIRE DIAMETER IS NOT VALID"},
    std::pair{Text::badHeight, "THE HEIGHT ABOVE GROUND MUST BE GREATER THAN ZERO"},
    std::pair{Text::badAngle, "THE APEX ANGLE MUST BE ABOVE 0 AND AT MOST 180 DEGREES"},
    std::pair{Text::badQuality, "THE Q FACTOR MUST BE GREATER THAN ZERO"},
    std::pair{Text::badPoints, "THE POINTS PER BAND MUST BE BETWEEN 2 AND 1000"},
    std::pair{Text::badSpan, "THE SWEEP SPAN MUST BE BETWEEN 0 AND 50 %"},
    std::pair{Text::badTrap, "THE TRAP INDUCTANCE AND CAPACITANCE MUST BE GREATER THAN ZERO"},
    std::pair{Text::badCoil, "THE COIL INDUCTANCE MUST BE GREATER THAN ZERO"},
    std::pair{Text::coilPosition, "THE COIL MUST SIT BETWEEN THE FEED POINT AND THE END OF THE ARM"},
    std::pair{Text::wireTooShort,
              "A PIECE OF WIRE BETWEEN FEED POINT, TRAPS OR COILS AND END IS TOO SHORT FOR THE MODEL"},
    std::pair{Text::wireTooThick, "THE WIRE IS TOO THICK FOR THIS FREQUENCY"},
    std::pair{Text::belowGround, "THE ENDS OF THE ANTENNA TOUCH THE GROUND: RAISE THE HEIGHT OR THE ANGLE"},
    std::pair{Text::emptyReport, "THE SIMULATOR WROTE NO RESULTS"},
    std::pair{Text::engineError, "THE SIMULATOR REPORTED AN ERROR: %1"},
    std::pair{Text::noTable, "THE SIMULATOR'S RESULT HAS NO IMPEDANCE TABLE"},
    std::pair{Text::truncated, "THE SIMULATOR'S RESULT IS INCOMPLETE"},
    std::pair{Text::notANumber, "THE SIMULATOR GAVE A VALUE THAT IS NOT A NUMBER AT %1 MHz"},
    std::pair{Text::noImpedance, "THE SIMULATOR GAVE NO IMPEDANCE AT %1 MHz"},
    std::pair{Text::noFrequency, "THE SIMULATOR'S RESULT HAS AN IMPEDANCE WITHOUT A FREQUENCY"},
    std::pair{Text::badReference, "THE REFERENCE IMPEDANCE MUST BE GREATER THAN ZERO"},
    std::pair{Text::fewRows, "THE SIMULATED FREQUENCIES DO NOT MATCH THE SWEEP"},
    std::pair{Text::noResonance, "NO RESONANCE"},
    std::pair{Text::noBandwidth, "SWR NEVER BELOW 2"},
    std::pair{Text::offLowEdge, "BEYOND THE START OF THE SWEEP"},
    std::pair{Text::offHighEdge, "BEYOND THE END OF THE SWEEP"},
    std::pair{Text::offBothEdges, "BEYOND BOTH EDGES OF THE SWEEP"},
    std::pair{Text::deviation, "THE RESONANCE IS %1 kHz (%2 %) FROM THE DESIGN FREQUENCY."},
    std::pair{Text::onFrequency, "THE LENGTH IS RIGHT."},
    std::pair{Text::lengthenArm, "LENGTHEN EACH ARM BY %1 cm"},
    std::pair{Text::shortenArm, "SHORTEN EACH ARM BY %1 cm"},
    std::pair{Text::lengthenInner, "LENGTHEN THE INNER WIRE OF EACH ARM BY %1 cm"},
    std::pair{Text::shortenInner, "SHORTEN THE INNER WIRE OF EACH ARM BY %1 cm"},
    std::pair{Text::lengthenOuter, "LENGTHEN THE OUTER WIRE OF EACH ARM BY %1 cm"},
    std::pair{Text::shortenOuter, "SHORTEN THE OUTER WIRE OF EACH ARM BY %1 cm"},
    std::pair{Text::deckHalfWave, "Half-wave dipole %1 m, %2 MHz"},
    std::pair{Text::deckTwoBand, "Two-band trap dipole: inner wire %1 m, outer wire %2 m each arm"},
    std::pair{Text::deckTrap, "Trap %1 uH, %2 pF, Q %3"},
    std::pair{Text::deckShortened, "Shortened dipole %1 m, %2 MHz"},
    std::pair{Text::deckCoil, "Loading coil %1 uH at %2 m from the feed point, Q %3"},
    std::pair{Text::shapeHorizontal, "horizontal"},
    std::pair{Text::shapeInvertedV, "inverted V"},
    std::pair{Text::describeHalfWave, "%1, total length %2 m, %3 MHz"},
    std::pair{Text::describeTwoBand,
              "%1, inner wire %2 m, trap %3 µH %4 pF, outer wire %5 m, %6 MHz and %7 MHz"},
    std::pair{Text::describeLoadingCoil,
              "total length %1 m, wire %2 mm, coils %3 µH at %4 m from the feed point, %5 MHz"},
    std::pair{Text::noMeasuredPoints, "no measured points in this band"},
    std::pair{Text::measuredMinimum, "SWR min %1 at %2 MHz"},
    std::pair{Text::measuredZero, ", X = 0 at %1 MHz"},
    std::pair{Text::measuredBandwidth, ", 2:1 bandwidth %1 kHz"},
    std::pair{Text::measuredNoBandwidth, ", 2:1 bandwidth not measurable"},
    std::pair{Text::modelMinusMeasured, ", model - measured %1 kHz"},
    std::pair{Text::cannotOpen, "Cannot open the file %1."},
    std::pair{Text::measuredNoMinimum, "no SWR minimum in the sweep"},
    std::pair{Text::measuredLowEdge,
              "SWR lowest at the start of the sweep (%1 at %2 MHz): the resonance lies below it"},
    std::pair{Text::measuredHighEdge,
              "SWR still falling at the end of the sweep (%1 at %2 MHz): the resonance lies above it"},
    std::pair{Text::measuredAtReference, ", measured at %1 Ω"},
    std::pair{Text::trimNoWanted,
              "Type the wanted transmitting frequency first: the SWR minimum is looked for near it."},
    std::pair{Text::trimNoMinimum, "The measurement has no SWR minimum: the field was not filled in."},
    std::pair{Text::trimFarMinimum,
              "No SWR minimum within %1 % of %2 MHz: the nearest is at %3 MHz. The field was not filled in."},
    std::pair{Text::trimHighEdge,
              "The SWR is still falling at the end of the measurement (%1 MHz): the resonance lies above it, "
              "outside the measurement. The field was not filled in."},
    std::pair{Text::trimLowEdge,
              "The SWR is lowest at the start of the measurement (%1 MHz): the resonance lies below it, "
              "outside the measurement. The field was not filled in."},
    std::pair{
        Text::modelTooLarge,
        "THE MODEL IS TOO LARGE: %1 SEGMENTS (AT MOST %2), ABOUT %3 MB OF MEMORY, AND THE RUN WOULD NOT "
        "FINISH IN TIME. SHORTEN THE WIRE OR LOWER THE FREQUENCY"},
    std::pair{Text::addCoil, "ADD %1 µH TO EACH COIL"},
    std::pair{Text::removeCoil, "TAKE %1 µH OFF EACH COIL"},
    std::pair{Text::coilRight, "THE COIL IS RIGHT."},
    std::pair{
        Text::noResonanceTooLong,
        "NO RESONANCE IN THE SWEEP: THE REACTANCE IS INDUCTIVE, THE ANTENNA IS TOO LONG. WIDEN THE SWEEP"},
    std::pair{Text::noResonanceTooShort,
              "NO RESONANCE IN THE SWEEP: THE REACTANCE IS CAPACITIVE, THE ANTENNA IS TOO SHORT. WIDEN THE "
              "SWEEP"},
    std::pair{Text::notAReport, "THE SIMULATOR WROTE A TEXT THAT IS NOT ITS REPORT"},
    std::pair{Text::csvReference, "reference impedance %1 ohm"},
    std::pair{
        Text::csvOptions,
        "wire %1 mm, %2, height %3 m, apex angle %4 degrees, Q %5, %6, %7 points a band, sweep +/- %8 %"},
    std::pair{Text::csvCopperLoss, "with copper loss"},
    std::pair{Text::csvNoCopperLoss, "without copper loss"},
};

static_assert(completeColumns(italian, english, Text::csvNoCopperLoss));

}  // namespace

std::string_view text(Text which, Language language) { return textIn(italian, english, which, language); }

std::string textWith(Text which, const std::vector<std::string>& arguments, Language language) {
    return fillIn(text(which, language), arguments);
}

std::string_view groundName(Ground ground, Language language) {
    switch (ground) {
        case Ground::average:
            return text(Text::groundAverage, language);
        case Ground::perfect:
            return text(Text::groundPerfect, language);
        case Ground::freeSpace:
            break;
    }
    return text(Text::groundFreeSpace, language);
}

}  // namespace zeliro::nec
