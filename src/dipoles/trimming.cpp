#include "dipoles/trimming.h"

#include "frame/numbers.h"

namespace zeliro::trimming {

void selectHorizontal(Variables& variables) {
    variables.dipoleConstant = horizontalConstant;
    variables.dipoleConfiguration = horizontalName;
}

void selectInvertedV(Variables& variables) {
    variables.dipoleConstant = invertedVConstant;
    variables.dipoleConfiguration = invertedVName;
}

namespace {

// The lengths in metres, each step rounded to double before the next.
void computeLengths(Variables& v) {
    const double wanted = v.wantedFrequency.toDouble();
    v.builtLength = v.dipoleConstant / wanted;
    v.lengthFrequencyProduct = v.builtLength * v.measuredFrequency.toDouble();
    v.requiredLength = v.lengthFrequencyProduct / wanted;
    v.lengthDifference = v.requiredLength - v.builtLength;
}

}  // namespace

Outcome calculate(const Input& input) {
    Outcome outcome;
    outcome.variables = input.variables;
    Variables& v = outcome.variables;

    if (!input.typeSelected) {
        outcome.kind = Outcome::Kind::selectType;
        return outcome;
    }
    if (input.wanted.empty() || input.measured.empty()) return outcome;

    // A text that does not read keeps the frequency it had; either way there
    // is nothing sound to show, so the window shows no verdict at all.
    const auto wanted = FixedDecimal::parse(input.wanted);
    const auto measured = FixedDecimal::parse(input.measured);
    if (wanted) v.wantedFrequency = *wanted;
    if (measured) v.measuredFrequency = *measured;
    outcome.kind = Outcome::Kind::noResult;
    if (!wanted || !measured || v.wantedFrequency.ticks() == 0) return outcome;

    computeLengths(v);

    // Whole millimetres toward zero, halved for each arm.
    const double perArm = truncateDecimals(v.lengthDifference, 3) / 2;
    const auto correction = FixedDecimal::fromDouble(perArm);
    if (!correction) return outcome;
    v.armCorrection = *correction;
    const auto centimetres = correction->times100();
    if (!centimetres) return outcome;

    outcome.kind = Outcome::Kind::result;
    outcome.shorten = v.lengthDifference < 0;
    outcome.lengthen = v.lengthDifference > 0;
    outcome.unchanged = v.lengthDifference == 0;
    outcome.correction = centimetres->text();
    return outcome;
}

std::vector<std::string> dataReport(const ReportInput& input) {
    std::string verdict;
    for (const ShownLabel& label : input.verdicts)
        if (label.visible) verdict = label.caption;

    const std::string indent25(25, ' ');
    return {
        "",
        "",
        indent25 + "ZELIRO  rev 1.06    by TAVRON",
        "",
        "",
        std::string(29, ' ') + "TARATURA  del DIPOLO",
        "",
        "",
        "",
        indent25 + "CONFIGURAZIONE " + input.dipoleConfiguration,
        "",
        "",
        "",
        indent25 + "FREQUENZA DI TRASMISSIONE  Mhz = " + input.wanted,
        "",
        "",
        std::string(21, ' ') + "FREQUENZA RILEVATA (minimo ROS)Mhz = " + input.measured,
        "",
        "",
        std::string(5, ' ') + "PER SPOSTARE LA RISONANZA DOVRAI " + verdict + "  " + input.correction,
        "",
        "",
        std::string(8, ' ') + std::string(64, '-'),
    };
}

}  // namespace zeliro::trimming
