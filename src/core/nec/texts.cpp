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
    std::pair{Text::badLength, "La lunghezza del filo non è valida."},
    std::pair{Text::badFrequency, "La frequenza di progetto non è valida."},
    std::pair{Text::badDiameter, "Il diametro del filo non è valido."},
    std::pair{Text::badHeight, "L'altezza sul suolo deve essere maggiore di zero."},
    std::pair{Text::badAngle, "L'angolo all'apice deve essere maggiore di 0 e al massimo 180 gradi."},
    std::pair{Text::badQuality, "Il fattore Q deve essere maggiore di zero."},
    std::pair{Text::badPoints, "I punti per banda devono essere da 2 a 1000."},
    std::pair{Text::badSpan, "L'ampiezza della scansione deve essere maggiore di 0 e minore del 50 %."},
    std::pair{Text::badTrap, "Induttanza e capacità della trappola devono essere maggiori di zero."},
    std::pair{Text::badCoil, "L'induttanza della bobina deve essere maggiore di zero."},
    std::pair{Text::coilPosition, "La bobina deve stare fra il centro e l'estremità del braccio."},
    std::pair{Text::wireTooShort,
              "Un tratto di filo fra centro, trappole o bobine ed estremità è troppo corto per il modello."},
    std::pair{Text::wireTooThick,
              "Il filo è troppo grosso per questa frequenza: a %1 MHz il modello accetta un diametro fino a "
              "%2 mm; questo filo, frequenze fino a %3 MHz."},
    std::pair{Text::belowGround,
              "Le estremità dell'antenna toccano il suolo: aumentare l'altezza o l'angolo."},
    std::pair{Text::emptyReport, "Il simulatore non ha scritto nessun risultato."},
    std::pair{Text::engineError, "Il simulatore ha segnalato un errore: %1"},
    std::pair{Text::noTable, "Nel risultato del simulatore manca la tabella dell'impedenza."},
    std::pair{Text::truncated, "Il risultato del simulatore è incompleto."},
    std::pair{Text::notANumber, "Il simulatore ha dato un valore non numerico a %1 MHz."},
    std::pair{Text::noImpedance, "Il simulatore non ha dato l'impedenza a %1 MHz."},
    std::pair{Text::noFrequency, "Nel risultato del simulatore c'è un'impedenza senza frequenza."},
    std::pair{Text::badReference, "L'impedenza di riferimento deve essere maggiore di zero."},
    std::pair{Text::fewRows, "Le frequenze simulate non corrispondono alla scansione."},
    std::pair{Text::noResonance, "NESSUNA RISONANZA"},
    std::pair{Text::noBandwidth, "SWR MAI SOTTO 2"},
    std::pair{Text::offLowEdge, "OLTRE L'INIZIO DELLA SCANSIONE"},
    std::pair{Text::offHighEdge, "OLTRE LA FINE DELLA SCANSIONE"},
    std::pair{Text::offBothEdges, "OLTRE I DUE BORDI DELLA SCANSIONE"},
    std::pair{Text::deviation, "La risonanza è a %1 kHz (%2 %) dalla frequenza di progetto."},
    std::pair{Text::onFrequency, "La lunghezza va bene."},
    std::pair{Text::lengthenArm, "Allungare ogni braccio di %1 cm."},
    std::pair{Text::shortenArm, "Accorciare ogni braccio di %1 cm."},
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
    std::pair{Text::trimOtherMinimum,
              "Presa la risonanza a %1 MHz, la più vicina a %2 MHz; la misura ha anche un minimo di SWR a %3 "
              "MHz."},
    std::pair{
        Text::trimOtherMinima,
        "Presa la risonanza a %1 MHz, la più vicina a %2 MHz; la misura ha anche minimi di SWR a %3 MHz."},
    std::pair{Text::modelTooLarge,
              "Il modello è troppo grande: %1 segmenti (al massimo %2), circa %3 MB di memoria, e il calcolo "
              "non finirebbe in tempo. Accorciare il filo o abbassare la frequenza."},
    std::pair{Text::noResonanceTooLong,
              "Nessuna risonanza nella scansione: la reattanza è induttiva, l'antenna è troppo lunga. "
              "Allargare la scansione."},
    std::pair{Text::noResonanceTooShort,
              "Nessuna risonanza nella scansione: la reattanza è capacitiva, l'antenna è troppo corta. "
              "Allargare la scansione."},
    std::pair{Text::notAReport, "Il simulatore ha scritto un testo che non è un suo risultato."},
    std::pair{Text::csvReference, "impedenza di riferimento %1 ohm"},
    std::pair{Text::csvOptions,
              "filo %1 mm, %2, altezza %3 m, angolo all'apice %4 gradi, Q %5, %6, %7 punti per banda, "
              "scansione +/- %8 %"},
    std::pair{Text::csvCopperLoss, "con le perdite del rame"},
    std::pair{Text::csvNoCopperLoss, "senza perdite del rame"},
    std::pair{Text::csvDesign, "design = progetto: %1"},
    std::pair{Text::csvCorrected, "corrected = progetto corretto: %1"},
    std::pair{Text::noResonanceInSweep, "Nessuna risonanza nella scansione: allargare la scansione."},
    std::pair{Text::withinTolerance, "È entro %1 kHz: in frequenza, non serve correggere."},
    std::pair{Text::correctTwoBand,
              "Le trappole legano le due bande: premere CORREGGI per il filo interno ed esterno insieme."},
    std::pair{Text::correctCoil,
              "La bobina e il filo agiscono insieme: premere CORREGGI per la bobina che va in frequenza."},
    std::pair{Text::groundVeryPoor, "Suolo molto scarso (città)"},
    std::pair{Text::groundPoor, "Suolo scarso"},
    std::pair{Text::groundGood, "Suolo buono"},
    std::pair{Text::groundSaltMarsh, "Palude salmastra"},
    std::pair{Text::groundSeaWater, "Acqua di mare"},
    std::pair{Text::groundCustom, "Suolo a scelta"},
    std::pair{Text::conductorCopper, "Rame"},
    std::pair{Text::conductorAluminium, "Alluminio"},
    std::pair{Text::conductorCopperCladSteel, "Acciaio ramato"},
    std::pair{Text::conductorSteel, "Acciaio"},
    std::pair{Text::conductorStainlessSteel, "Acciaio inox"},
    std::pair{Text::conductorPerfect, "Conduttore perfetto"},
    std::pair{Text::badInsulation, "Lo spessore dell'isolamento deve essere da 0 a 100 mm."},
    std::pair{Text::badPermittivity, "La permittività dell'isolamento deve essere da 1 a 100."},
    std::pair{Text::badSoil,
              "Il suolo a scelta vuole una permittività da 1 a 100 e una conducibilità maggiore di 0 e al "
              "massimo 100 S/m."},
    std::pair{Text::badCentre,
              "Il centro della scansione deve essere maggiore di zero e lasciare l'inizio della scansione "
              "sopra zero."},
    std::pair{Text::deckConductor, "Conduttore %1, %2 S/m"},
    std::pair{Text::deckInsulation,
              "Filo isolato %1 mm, er %2: induttanza in serie %3 H/m su ogni filo (LD 2), "
              "(u0/2pi)(1-1/er)ln(b/a)"},
    std::pair{Text::deckSoil, "%1, er %2, %3 S/m"},
    std::pair{Text::cableNone, "Nessun cavo"},
    std::pair{Text::cableUser, "Cavo a scelta"},
    std::pair{Text::badCable,
              "Il cavo vuole un'impedenza maggiore di zero, un fattore di velocità da 0,1 a 1 e una perdita "
              "da 0 a 100 dB/100 m."},
    std::pair{Text::badCableLength, "La lunghezza del cavo deve essere da 0 a 10000 m."},
    std::pair{Text::deembedNoImpedance,
              "La misura dà solo lo SWR: senza resistenza e reattanza non si può riportarla al punto di "
              "alimentazione attraverso il cavo."},
    std::pair{Text::deembedNegative,
              "Riportata attraverso il cavo, la misura a %1 MHz avrebbe una resistenza negativa: controllare "
              "il cavo e la sua lunghezza."},
    std::pair{Text::deembedded, "riportata al punto di alimentazione attraverso %1 m di %2"},
    std::pair{Text::cableOwnName, "cavo da %1 ohm, fattore di velocità %2"},
    std::pair{
        Text::engineMissing,
        "Il programma di simulazione nec2c non è installato: installare il pacchetto Debian nec2c (sudo apt "
        "install nec2c)."},
    std::pair{Text::engineCannotWrite, "Impossibile scrivere il modello in una cartella temporanea."},
    std::pair{Text::engineCrashed, "nec2c si è interrotto in modo anomalo."},
    std::pair{Text::engineExitCode, "nec2c è terminato con un errore (codice %1)."},
    std::pair{Text::engineNotStarting, "nec2c non si avvia: %1"},
    std::pair{Text::engineTimeLimit, "nec2c non ha finito entro %1 s: simulazione interrotta."},
    std::pair{Text::engineNoReport, "nec2c non ha scritto alcun risultato."},
    std::pair{Text::cableComment,
              "cavo tra analizzatore e antenna: %1 m di %2 (%3 ohm, fattore di velocità %4)"},
    std::pair{Text::deckCentre, "scansione centrata su %1 MHz"},
};

constexpr std::array english = {
    std::pair{Text::groundFreeSpace, "Free space"},
    std::pair{Text::groundAverage, "Average ground"},
    std::pair{Text::groundPerfect, "Perfect ground"},
    std::pair{Text::badLength, "The wire length is not valid."},
    std::pair{Text::badFrequency, "The design frequency is not valid."},
    std::pair{Text::badDiameter, "The wire diameter is not valid."},
    std::pair{Text::badHeight, "The height above ground must be greater than zero."},
    std::pair{Text::badAngle, "The apex angle must be above 0 and at most 180 degrees."},
    std::pair{Text::badQuality, "The Q factor must be greater than zero."},
    std::pair{Text::badPoints, "There must be 2 to 1000 points per band."},
    std::pair{Text::badSpan, "The sweep span must be above 0 and below 50 %."},
    std::pair{Text::badTrap, "The trap inductance and capacitance must be greater than zero."},
    std::pair{Text::badCoil, "The coil inductance must be greater than zero."},
    std::pair{Text::coilPosition, "The coil must sit between the feed point and the end of the arm."},
    std::pair{Text::wireTooShort,
              "A piece of wire between feed point, traps or coils and end is too short for the model."},
    std::pair{Text::wireTooThick,
              "The wire is too thick for this frequency: at %1 MHz the model takes a diameter of up to "
              "%2 mm; this wire, frequencies of up to %3 MHz."},
    std::pair{Text::belowGround, "The ends of the antenna touch the ground: raise the height or the angle."},
    std::pair{Text::emptyReport, "The simulator wrote no results."},
    std::pair{Text::engineError, "The simulator reported an error: %1"},
    std::pair{Text::noTable, "The simulator's result has no impedance table."},
    std::pair{Text::truncated, "The simulator's result is incomplete."},
    std::pair{Text::notANumber, "The simulator gave a value that is not a number at %1 MHz."},
    std::pair{Text::noImpedance, "The simulator gave no impedance at %1 MHz."},
    std::pair{Text::noFrequency, "The simulator's result has an impedance without a frequency."},
    std::pair{Text::badReference, "The reference impedance must be greater than zero."},
    std::pair{Text::fewRows, "The simulated frequencies do not match the sweep."},
    std::pair{Text::noResonance, "NO RESONANCE"},
    std::pair{Text::noBandwidth, "SWR NEVER BELOW 2"},
    std::pair{Text::offLowEdge, "BEYOND THE START OF THE SWEEP"},
    std::pair{Text::offHighEdge, "BEYOND THE END OF THE SWEEP"},
    std::pair{Text::offBothEdges, "BEYOND BOTH EDGES OF THE SWEEP"},
    std::pair{Text::deviation, "The resonance is %1 kHz (%2 %) from the design frequency."},
    std::pair{Text::onFrequency, "The length is right."},
    std::pair{Text::lengthenArm, "Lengthen each arm by %1 cm."},
    std::pair{Text::shortenArm, "Shorten each arm by %1 cm."},
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
    std::pair{Text::trimOtherMinimum,
              "Took the resonance at %1 MHz, the nearest to %2 MHz; the measurement also has an SWR minimum "
              "at %3 MHz."},
    std::pair{
        Text::trimOtherMinima,
        "Took the resonance at %1 MHz, the nearest to %2 MHz; the measurement also has SWR minima at %3 "
        "MHz."},
    std::pair{
        Text::modelTooLarge,
        "The model is too large: %1 segments (at most %2), about %3 MB of memory, and the run would not "
        "finish in time. Shorten the wire or lower the frequency."},
    std::pair{
        Text::noResonanceTooLong,
        "No resonance in the sweep: the reactance is inductive, the antenna is too long. Widen the sweep."},
    std::pair{Text::noResonanceTooShort,
              "No resonance in the sweep: the reactance is capacitive, the antenna is too short. Widen the "
              "sweep."},
    std::pair{Text::notAReport, "The simulator wrote a text that is not its report."},
    std::pair{Text::csvReference, "reference impedance %1 ohm"},
    std::pair{
        Text::csvOptions,
        "wire %1 mm, %2, height %3 m, apex angle %4 degrees, Q %5, %6, %7 points a band, sweep +/- %8 %"},
    std::pair{Text::csvCopperLoss, "with copper loss"},
    std::pair{Text::csvNoCopperLoss, "without copper loss"},
    std::pair{Text::csvDesign, "design = the design: %1"},
    std::pair{Text::csvCorrected, "corrected = the corrected design: %1"},
    std::pair{Text::noResonanceInSweep, "No resonance in the sweep: widen the sweep."},
    std::pair{Text::withinTolerance, "That is within %1 kHz: on frequency, nothing to correct."},
    std::pair{Text::correctTwoBand,
              "The traps tie the two bands together: press CORRECT for the inner and outer wire together."},
    std::pair{Text::correctCoil,
              "The coil and the wire act together: press CORRECT for the coil that is on frequency."},
    std::pair{Text::groundVeryPoor, "Very poor ground (city)"},
    std::pair{Text::groundPoor, "Poor ground"},
    std::pair{Text::groundGood, "Good ground"},
    std::pair{Text::groundSaltMarsh, "Salt marsh"},
    std::pair{Text::groundSeaWater, "Sea water"},
    std::pair{Text::groundCustom, "Own ground"},
    std::pair{Text::conductorCopper, "Copper"},
    std::pair{Text::conductorAluminium, "Aluminium"},
    std::pair{Text::conductorCopperCladSteel, "Copper-clad steel"},
    std::pair{Text::conductorSteel, "Steel"},
    std::pair{Text::conductorStainlessSteel, "Stainless steel"},
    std::pair{Text::conductorPerfect, "Perfect conductor"},
    std::pair{Text::badInsulation, "The insulation must be 0 to 100 mm thick."},
    std::pair{Text::badPermittivity, "The insulation's permittivity must be 1 to 100."},
    std::pair{Text::badSoil,
              "Your own ground needs a permittivity of 1 to 100 and a conductivity above 0 and at most "
              "100 S/m."},
    std::pair{Text::badCentre,
              "The sweep's centre must be above zero and leave the start of the sweep above zero."},
    std::pair{Text::deckConductor, "Conductor %1, %2 S/m"},
    std::pair{Text::deckInsulation,
              "Insulated wire %1 mm, er %2: series inductance %3 H/m on every wire (LD 2), "
              "(u0/2pi)(1-1/er)ln(b/a)"},
    std::pair{Text::deckSoil, "%1, er %2, %3 S/m"},
    std::pair{Text::cableNone, "No cable"},
    std::pair{Text::cableUser, "Own cable"},
    std::pair{Text::badCable,
              "The cable needs an impedance above zero, a velocity factor of 0.1 to 1 and a loss of 0 to "
              "100 dB/100 m."},
    std::pair{Text::badCableLength, "The cable length must be 0 to 10000 m."},
    std::pair{Text::deembedNoImpedance,
              "The measurement gives the SWR only: without resistance and reactance it cannot be taken "
              "back to the feed point through the cable."},
    std::pair{Text::deembedNegative,
              "Taken back through the cable, the measurement at %1 MHz would have a negative resistance: "
              "check the cable and its length."},
    std::pair{Text::deembedded, "referred to the feed point through %1 m of %2"},
    std::pair{Text::cableOwnName, "%1 ohm cable, velocity factor %2"},
    std::pair{
        Text::engineMissing,
        "The nec2c simulation program is not installed: install the Debian package nec2c (sudo apt install "
        "nec2c)."},
    std::pair{Text::engineCannotWrite, "Cannot write the model in a temporary folder."},
    std::pair{Text::engineCrashed, "nec2c stopped abnormally."},
    std::pair{Text::engineExitCode, "nec2c ended with an error (code %1)."},
    std::pair{Text::engineNotStarting, "nec2c does not start: %1"},
    std::pair{Text::engineTimeLimit, "nec2c did not finish within %1 s: simulation stopped."},
    std::pair{Text::engineNoReport, "nec2c wrote no results."},
    std::pair{Text::cableComment,
              "cable between analyser and antenna: %1 m of %2 (%3 ohm, velocity factor %4)"},
    std::pair{Text::deckCentre, "sweep centred on %1 MHz"},
};

static_assert(completeColumns(italian, english, Text::deckCentre));

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
        case Ground::veryPoor:
            return text(Text::groundVeryPoor, language);
        case Ground::poor:
            return text(Text::groundPoor, language);
        case Ground::good:
            return text(Text::groundGood, language);
        case Ground::saltMarsh:
            return text(Text::groundSaltMarsh, language);
        case Ground::seaWater:
            return text(Text::groundSeaWater, language);
        case Ground::custom:
            return text(Text::groundCustom, language);
        case Ground::freeSpace:
            break;
    }
    return text(Text::groundFreeSpace, language);
}

std::string_view conductorName(Conductor conductor, Language language) {
    const auto row = static_cast<int>(Text::conductorCopper) + static_cast<int>(conductor);
    return text(static_cast<Text>(row), language);
}

}  // namespace zeliro::nec
