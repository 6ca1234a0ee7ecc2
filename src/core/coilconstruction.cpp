#include "core/coilconstruction.h"

#include <cmath>

#include "core/coilsteps.h"
#include "core/english.h"
#include "core/numbers.h"
#include "core/version.h"

namespace zeliro {
namespace {

constexpr double fourPiSquared = 39.4784176;
constexpr double log10OfE = 0.434294;

}  // namespace

CoilConstructionOutcome coilConstruction(const CoilConstructionInput& input) {
    CoilConstructionOutcome outcome;
    outcome.variables = input.variables;

    // Empty or unreadable fields end the calculation silently. A turns field
    // holding only "," counts as empty, like the others.
    const auto radius = parseSingle(input.meanRadiusMm, input.language);
    const auto winding = parseSingle(input.windingLengthMm, input.language);
    const auto wire = parseSingle(input.wireDiameterMm, input.language);
    const auto turns = parseSingle(input.turns, input.language);
    if (!radius || !winding || !wire || !turns) return outcome;
    outcome.calculated = true;
    // A negative figure (only pasting brings a sign) describes no coil: no
    // value, rather than the previous one beside it.
    if (*radius < 0 || *winding < 0 || *wire < 0 || *turns < 0) {
        outcome.inductance = "";
        return outcome;
    }

    Steps steps;
    CoilConstructionVariables& v = outcome.variables;
    v.meanRadius = *radius / 10.0f;
    v.windingLength = *winding / 10.0f;
    v.wireDiameter = *wire / 10.0f;
    v.turns = *turns;
    const float a = v.meanRadius;
    const float b = v.windingLength;
    const float d = v.wireDiameter;
    const float N = v.turns;
    steps.keep(v.outerRadius, a + d / 2.0f);
    const float r = v.outerRadius;

    // The length in mm that the turns take laid side by side.
    float closeWound = (10.0f * d) * N;
    if (!formed(closeWound)) closeWound = 0;

    const double nSquared = static_cast<double>(N) * static_cast<double>(N);
    const double aSquared = static_cast<double>(a) * static_cast<double>(a);
    const float sheetLength = 1000.0f * ((b + d) + r);
    const double L0 = steps.take((nSquared * (aSquared * fourPiSquared)) / sheetLength);

    const float shapeNumerator = (10.0f * b + 12.0f * d) + 2.0f * r;
    const double shapeDenominator = static_cast<double>(10.0f * b + 10.0f * d) + 1.4 * static_cast<double>(r);
    const double Q = steps.take(shapeNumerator / shapeDenominator);

    const float logArgument = 100.0f + ((14.0f * r) / (2.0f * b) + 3.0f * d);
    steps.keep(v.correctionLog, std::log(static_cast<double>(logArgument)));
    const double G = steps.take((v.correctionLog * log10OfE) * 0.5);

    const double L = steps.take((L0 * Q) * G);
    outcome.inductance =
        steps.failed() ? std::string() : formatDouble(truncateDecimals(L, 2), input.language);

    // Equality is accepted: the turns then just fill the winding.
    const double windingMm = 10.0f * b;
    steps.keep(v.windingLengthMm, windingMm);
    if (windingMm < closeWound && !nearlyEqual(windingMm, closeWound))
        outcome.warning = CoilConstructionWarning::windingTooShort;
    return outcome;
}

std::vector<std::string> coilConstructionReport(const CoilConstructionReportInput& input) {
    if (input.language == Language::english) return english::coilConstructionReport(input);
    const std::string blank = "";
    return {
        blank,
        blank,
        std::string(25, ' ') + "ZELIRO  " + revisionCaption + "  by  TAVRON",
        blank,
        blank,
        std::string(26, ' ') + "COSTRUZIONE  DELLA  BOBINA",
        std::string(28, ' ') + "( DIPOLI  ACCORCIATI )",
        blank,
        blank,
        blank,
        std::string(11, ' ') + "RAGGIO MEDIO mm = " + input.meanRadiusMm,
        blank,
        std::string(1, ' ') + "LUNGHEZZA AVVOLGIMENTO mm = " + input.windingLengthMm,
        blank,
        std::string(6, ' ') + "DIAMETRO DEL FILO mm = " + input.wireDiameterMm,
        blank,
        std::string(11, ' ') + "NUMERO SPIRE n° = " + input.turns,
        blank,
        std::string(8, ' ') + "VALORE MICRO HENRY = " + input.inductance,
        blank,
        std::string(22, ' ') + std::string(34, '-'),
    };
}

}  // namespace zeliro
