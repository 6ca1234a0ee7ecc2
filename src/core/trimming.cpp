#include "core/trimming.h"

#include "core/english.h"
#include "core/numbers.h"
#include "core/version.h"

namespace zeliro {

VerdictCaptions verdictCaptions(Language language) {
    if (language == Language::english)
        return {english::shortenVerdict, english::lengthenVerdict, english::unchangedVerdict};
    return {shortenVerdict, lengthenVerdict, unchangedVerdict};
}

void selectHorizontal(TrimmingVariables& variables, Language language) {
    variables.dipoleConstant = horizontalTrimmingConstant;
    variables.dipoleConfiguration = language == Language::english ? english::horizontal : "ORIZZONTALE";
}

void selectInvertedV(TrimmingVariables& variables, Language language) {
    variables.dipoleConstant = invertedVTrimmingConstant;
    variables.dipoleConfiguration = language == Language::english ? english::invertedV : "INVERTED V";
}

namespace {

// The lengths in metres, each step rounded to double before the next.
void computeLengths(TrimmingVariables& v) {
    const double wanted = v.wantedFrequency.toDouble();
    v.builtLength = v.dipoleConstant / wanted;
    v.lengthFrequencyProduct = v.builtLength * v.measuredFrequency.toDouble();
    v.requiredLength = v.lengthFrequencyProduct / wanted;
    v.lengthDifference = v.requiredLength - v.builtLength;
}

}  // namespace

TrimmingOutcome computeTrimming(const TrimmingInput& input) {
    TrimmingOutcome outcome;
    outcome.variables = input.variables;
    TrimmingVariables& v = outcome.variables;
    if (!input.typeChosen) {
        outcome.action = TrimmingOutcome::Action::selectType;
        return outcome;
    }
    if (input.wantedText.empty() || input.measuredText.empty()) return outcome;

    outcome.action = TrimmingOutcome::Action::showVerdict;
    // A text that does not read keeps the frequency it had, but no verdict is
    // drawn from figures left over from an earlier calculation; nor from a
    // wanted frequency of 0, or a negative frequency (only pasting brings one).
    const auto wanted = FixedDecimal::parse(input.wantedText, input.language);
    const auto measured = FixedDecimal::parse(input.measuredText, input.language);
    if (wanted) v.wantedFrequency = *wanted;
    if (measured) v.measuredFrequency = *measured;
    if (!wanted || !measured || wanted->ticks() <= 0 || measured->ticks() < 0) return outcome;

    computeLengths(v);

    // Whole millimetres toward zero, halved for each arm.
    const auto correction = FixedDecimal::fromDouble(truncateDecimals(v.lengthDifference, 3) / 2);
    if (!correction) return outcome;
    v.armCorrection = *correction;
    const auto centimetres = correction->times100();
    if (!centimetres) return outcome;

    outcome.shorten = v.lengthDifference < 0;
    outcome.lengthen = v.lengthDifference > 0;
    outcome.unchanged = v.lengthDifference == 0;
    outcome.correctionText = centimetres->text(input.language);
    return outcome;
}

std::vector<std::string> trimmingReport(const TrimmingReportInput& input) {
    if (input.language == Language::english) return english::trimmingReport(input);
    std::string verdict;
    for (const VerdictLabel& label : input.verdicts)
        if (label.visible) verdict = label.caption;

    const std::string indent(25, ' ');
    return {
        "",
        "",
        indent + "ZELIRO  " + spacedRevisionCaption + "    by TAVRON",
        "",
        "",
        std::string(29, ' ') + "TARATURA  del DIPOLO",
        "",
        "",
        "",
        indent + "CONFIGURAZIONE " + input.dipoleConfiguration,
        "",
        "",
        "",
        indent + "FREQUENZA DI TRASMISSIONE  Mhz = " + input.wantedText,
        "",
        "",
        std::string(21, ' ') + "FREQUENZA RILEVATA (minimo ROS)Mhz = " + input.measuredText,
        "",
        "",
        "     PER SPOSTARE LA RISONANZA DOVRAI " + verdict + "  " + input.correctionText,
        "",
        "",
        std::string(8, ' ') + std::string(64, '-'),
    };
}

}  // namespace zeliro
