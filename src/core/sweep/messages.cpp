// The sentences a measured sweep that does not read is refused with, one
// table per language.
#include <array>
#include <utility>

#include "core/sweep/lines.h"

namespace zeliro::sweepread {

namespace {

// One row per Message, in the enum's order; one column per language.
constexpr std::array italian = {
    std::pair{Message::fileEmpty, "il file è vuoto."},
    std::pair{Message::noMeasurements, "il file non contiene misure."},
    std::pair{Message::tooManyBytes, "il file supera i 128 MB: troppo grande per una misura."},
    std::pair{Message::utf16, "il file è in UTF-16: salvarlo come testo semplice (UTF-8)."},
    std::pair{Message::lineTooLong, "riga più lunga di 4096 caratteri: non è un file di misura."},
    std::pair{Message::binary, "il file contiene dati binari, non è un file di testo."},
    std::pair{Message::negativeFrequency, "frequenza negativa (%1)."},
    std::pair{Message::frequencyOutOfRange, "frequenza fuori scala (%1)."},
    std::pair{Message::frequencyNotRising, "la frequenza %1 non sale dopo %2: le frequenze devono crescere."},
    std::pair{Message::tooManyPoints, "più di 1000000 punti: il file è troppo grande."},
    std::pair{Message::valuesOutOfRange, "valori fuori scala: SWR non calcolabile."},
    std::pair{Message::reflectionNotBelowOne, "|S11| = %1 non è minore di 1: SWR non calcolabile."},
    std::pair{Message::impedanceOutOfRange, "|S11| troppo vicino a 1: impedenza fuori scala."},
    std::pair{Message::resistanceNotPositive, "resistenza %1 ohm non maggiore di 0: SWR non calcolabile."},
    std::pair{Message::multiPortFileName, "il file %1 ha più di una porta: si legge un file .s1p."},
    std::pair{Message::optionLineTooLong, "riga di opzioni troppo lunga."},
    std::pair{Message::twoPortParameters, "parametri %1 di un file a due porte: si legge una porta sola."},
    std::pair{Message::referenceMissing, "dopo R serve la resistenza di riferimento in ohm, maggiore di 0."},
    std::pair{Message::unknownOption,
              "%1 non è un'unità (Hz, kHz, MHz, GHz), un parametro (S, Z, Y), un formato (MA, DB, RI) né R."},
    std::pair{Message::declaredPorts, "il file dichiara %1 porte: si legge una porta sola."},
    std::pair{Message::valuesOfManyPorts, "%1 valori: il file ha più di una porta; si legge una porta sola."},
    std::pair{Message::touchstoneValueCount, "attesi 3 valori (frequenza e S11), trovati %1."},
    std::pair{Message::notANumber, "%1 non è un numero."},
    std::pair{Message::otherPortColumn, "la colonna %1 è di un'altra porta: si legge solo S11."},
    std::pair{Message::unknownColumns,
              "l'intestazione non nomina le colonne da leggere: servono la frequenza e lo SWR, o R e X, "
              "o S11 reale e immaginaria."},
    std::pair{Message::oneValue, "un valore solo: servono la frequenza e lo SWR, o R e X."},
    std::pair{Message::tooManyColumns,
              "%1 colonne, più di quante ne abbia una porta (frequenza, SWR, R, X)."},
    std::pair{Message::valueCount, "attesi %1 valori, trovati %2."},
    std::pair{Message::valueCountRange, "attesi da %1 a %2 valori, trovati %3."},
    std::pair{Message::swrBelowOne, "SWR %1 minore di 1."},
    std::pair{Message::optionAfterData,
              "riga di opzioni dopo i dati: deve venire prima della prima misura, che altrimenti cambierebbe "
              "unità."},
    std::pair{Message::touchstoneVersion, "versione Touchstone %1 sconosciuta: si leggono la 1 e la 2.0."},
    std::pair{Message::mixedMode, "dati in modo misto (differenziale): si legge una porta sola."},
    std::pair{Message::dataBeforeNetworkData, "dati prima di [Network Data]."},
    std::pair{Message::frequencyCount, "il file dichiara %1 frequenze e ne contiene %2."},
    std::pair{Message::unitNotFound,
              "l'intestazione non dice l'unità delle frequenze e nessuna unità porta la misura vicino a "
              "%1 MHz: scrivere l'unità nell'intestazione, per esempio \"Freq (kHz)\"."},
    std::pair{Message::cannotOpen, "impossibile aprire il file %1."},
};

constexpr std::array english = {
    std::pair{Message::fileEmpty, "the file is empty."},
    std::pair{Message::noMeasurements, "the file holds no measurements."},
    std::pair{Message::tooManyBytes, "the file is over 128 MB: too large for a measurement."},
    std::pair{Message::utf16, "the file is in UTF-16: save it as plain text (UTF-8)."},
    std::pair{Message::lineTooLong, "a line longer than 4096 characters: this is not a measurement file."},
    std::pair{Message::binary, "the file holds binary data, it is not a text file."},
    std::pair{Message::negativeFrequency, "negative frequency (%1)."},
    std::pair{Message::frequencyOutOfRange, "frequency out of range (%1)."},
    std::pair{Message::frequencyNotRising,
              "the frequency %1 does not rise after %2: the frequencies must go up."},
    std::pair{Message::tooManyPoints, "more than 1000000 points: the file is too large."},
    std::pair{Message::valuesOutOfRange, "values out of range: no SWR."},
    std::pair{Message::reflectionNotBelowOne, "|S11| = %1 is not below 1: no SWR."},
    std::pair{Message::impedanceOutOfRange, "|S11| too close to 1: impedance out of range."},
    std::pair{Message::resistanceNotPositive, "a resistance of %1 ohms is not above 0: no SWR."},
    std::pair{Message::multiPortFileName, "the file %1 has more than one port: only .s1p files are read."},
    std::pair{Message::optionLineTooLong, "option line too long."},
    std::pair{Message::twoPortParameters, "%1 parameters belong to a two-port file: only one port is read."},
    std::pair{Message::referenceMissing, "R must be followed by the reference resistance in ohms, above 0."},
    std::pair{
        Message::unknownOption,
        "%1 is neither a unit (Hz, kHz, MHz, GHz), a parameter (S, Z, Y), a format (MA, DB, RI) nor R."},
    std::pair{Message::declaredPorts, "the file declares %1 ports: only one port is read."},
    std::pair{Message::valuesOfManyPorts,
              "%1 values: the file has more than one port; only one port is read."},
    std::pair{Message::touchstoneValueCount, "expected 3 values (frequency and S11), found %1."},
    std::pair{Message::notANumber, "%1 is not a number."},
    std::pair{Message::otherPortColumn, "the column %1 belongs to another port: only S11 is read."},
    std::pair{Message::unknownColumns,
              "the header names no columns to read: frequency and SWR are needed, or R and X, "
              "or S11 real and imaginary."},
    std::pair{Message::oneValue, "a single value: frequency and SWR are needed, or R and X."},
    std::pair{Message::tooManyColumns, "%1 columns, more than one port has (frequency, SWR, R, X)."},
    std::pair{Message::valueCount, "expected %1 values, found %2."},
    std::pair{Message::valueCountRange, "expected %1 to %2 values, found %3."},
    std::pair{Message::swrBelowOne, "SWR %1 below 1."},
    std::pair{Message::optionAfterData,
              "an option line after the data: it must come before the first measurement, whose unit it "
              "would otherwise change."},
    std::pair{Message::touchstoneVersion, "unknown Touchstone version %1: versions 1 and 2.0 are read."},
    std::pair{Message::mixedMode, "mixed-mode (differential) data: only one port is read."},
    std::pair{Message::dataBeforeNetworkData, "data before [Network Data]."},
    std::pair{Message::frequencyCount, "the file declares %1 frequencies and holds %2."},
    std::pair{Message::unitNotFound,
              "the header does not give the frequency unit, and no unit puts the measurement near %1 MHz: "
              "name the unit in the header, for example \"Freq (kHz)\"."},
    std::pair{Message::cannotOpen, "cannot open the file %1."},
};

static_assert(completeColumns(italian, english, Message::cannotOpen));

}  // namespace

SweepError errorAt(std::size_t line, SweepProblem problem, Language language, Message which,
                   const std::vector<std::string>& arguments) {
    std::string sentence = fillIn(textIn(italian, english, which, language), arguments);
    SweepError error{line, problem, {}};
    if (line > 0) {
        const char* onLine = language == Language::english ? "Line %1: %2" : "Riga %1: %2";
        error.message = fillIn(onLine, {std::to_string(line), sentence});
    } else {
        if (!sentence.empty() && sentence[0] >= 'a' && sentence[0] <= 'z')
            sentence[0] = char(sentence[0] - 'a' + 'A');
        error.message = std::move(sentence);
    }
    return error;
}

}  // namespace zeliro::sweepread
