#include "core/halfwave.h"

#include <cmath>

#include "core/english.h"
#include "core/numbers.h"
#include "core/version.h"

namespace zeliro {

void selectHorizontal(HalfWaveVariables& variables, Language language) {
    variables.dipoleConstant = formatDouble(142.5);
    variables.dipoleConfiguration = language == Language::english ? english::horizontal : "ORIZZONTALE";
}

void selectInvertedV(HalfWaveVariables& variables, Language language) {
    variables.dipoleConstant = formatDouble(141.427);
    variables.dipoleConfiguration = language == Language::english ? english::invertedV : "INVERTED V";
}

HalfWaveOutcome computeHalfWave(const HalfWaveInput& input) {
    HalfWaveOutcome outcome;
    outcome.variables = input.variables;
    if (!input.configurationChosen) {
        outcome.action = HalfWaveOutcome::Action::selectConfiguration;
        return outcome;
    }
    if (input.frequencyText.empty()) return outcome;

    outcome.action = HalfWaveOutcome::Action::showLength;
    // A text that does not read as a number, or a frequency of zero (or a
    // negative one, which only pasting can bring), shows no length at all
    // rather than one left over from an earlier calculation.
    const auto frequency = parseSingle(input.frequencyText, input.language);
    if (!frequency) return outcome;
    outcome.variables.frequency = *frequency;
    const auto constant = parseDouble(input.variables.dipoleConstant);
    if (*frequency <= 0 || !constant) return outcome;

    const double length = *constant / static_cast<double>(*frequency);
    if (!std::isfinite(length)) return outcome;
    outcome.variables.totalLength = length;
    outcome.lengthText = formatDouble(truncateDecimals(length, 2), input.language);
    return outcome;
}

std::vector<std::string> halfWaveReport(const HalfWaveReportInput& input) {
    if (input.language == Language::english) return english::halfWaveReport(input);
    return {
        "",
        "",
        std::string(22, ' ') + "ZELIRO  " + revisionCaption + "    by TAVRON",
        "",
        "",
        "           LUNGHEZZA FISICA COMPLESSIVA DI UN DIPOLO 1/2 ONDA  ",
        "",
        "",
        "",
        "                       CONFIGURAZIONE  " + input.dipoleConfiguration,
        "",
        "",
        "",
        " FREQUENZA    Mhz =  " + input.frequencyText,
        "",
        " LUNGHEZZA TOT mt =  " + input.lengthText,
        "",
        "       " + std::string(65, '-'),
    };
}

}  // namespace zeliro
