#include "core/loadingcoil.h"

#include <cmath>

#include "core/coilsteps.h"
#include "core/english.h"
#include "core/numbers.h"
#include "core/version.h"

namespace zeliro {
namespace {

constexpr double feetPerMetre = 3.28;
constexpr double mmPerInch = 25.4;
constexpr double piSquared = 9.869;

}  // namespace

LoadingCoilOutcome loadingCoil(const LoadingCoilInput& input) {
    LoadingCoilOutcome outcome;
    outcome.variables = input.variables;

    // Empty or unreadable fields end the calculation silently. A distance
    // field holding only "," counts as empty, like the others.
    const auto diameter = parseSingle(input.wireDiameterMm, input.language);
    const auto frequency = parseSingle(input.frequencyMhz, input.language);
    const auto total = parseSingle(input.totalLengthM, input.language);
    const auto distance = parseSingle(input.coilDistanceM, input.language);
    if (!diameter || !frequency || !total || !distance) return outcome;
    outcome.calculated = true;
    // A negative figure (only pasting brings a sign) describes no dipole: no
    // value, rather than the previous one beside it.
    if (*diameter < 0 || *frequency < 0 || *total < 0 || *distance < 0) {
        outcome.inductance = "";
        return outcome;
    }

    const double D = static_cast<double>(*diameter) / mmPerInch;
    const float f = *frequency;
    const double totalLengthFeet = feetPerMetre * static_cast<double>(*total);
    const double A = totalLengthFeet / 2;
    const double B = feetPerMetre * static_cast<double>(*distance);

    if (notBelow(B, A)) {
        outcome.warning = LoadingCoilWarning::coilTooFar;
        return outcome;
    }

    Steps steps;
    LoadingCoilVariables& terms = outcome.variables;
    const float quarterWaveFeet = 234.0f / f;
    const double u = steps.take(static_cast<double>(quarterWaveFeet) - B);
    steps.keep(terms.innerLogTerm, std::log(24 * (u / D)) - 1);
    const double innerBase = 1 - (B * f) / 234;
    const double P1 = steps.take(innerBase * innerBase - 1);
    const double T1 = steps.take((P1 * terms.innerLogTerm) / u);
    steps.keep(terms.outerLogTerm, std::log((24 * (A - B)) / D) - 1);
    const double outerBase = (f * A - f * B) / 234;
    const double P2 = steps.take(outerBase * outerBase - 1);
    const double T2 = steps.take((P2 * terms.outerLogTerm) / (A - B));
    const double fSquared = static_cast<double>(f) * static_cast<double>(f);
    const double K = steps.take(1e6 / (fSquared * (68 * piSquared)));
    const double L = steps.take((T1 - T2) * K);

    // No coil has a negative inductance: the formula gives one when the wire
    // left beyond the coil is too short for its thickness (a logarithm turns
    // negative), and then it holds no longer; nothing is shown.
    const bool meaningless = steps.failed() || L < 0;
    outcome.inductance = meaningless ? std::string() : formatDouble(truncateDecimals(L, 2), input.language);

    // A wire at least as long as a half-wave dipole needs no coils.
    double halfWaveMetres = 142.4 / f;
    if (!formed(halfWaveMetres)) halfWaveMetres = 0;
    const double totalMetres = *total;
    if (notBelow(totalMetres, halfWaveMetres)) outcome.warning = LoadingCoilWarning::noCoilsNeeded;
    return outcome;
}

std::vector<std::string> loadingCoilReport(const LoadingCoilReportInput& input) {
    if (input.language == Language::english) return english::loadingCoilReport(input);
    const std::string blank = "";
    return {
        blank,
        blank,
        std::string(24, ' ') + "ZELIRO  " + versionCaption + "    by  TAVRON  ",
        blank,
        blank,
        std::string(29, ' ') + "CALCOLO DELLA BOBINA",
        std::string(28, ' ') + "( DIPOLI  ACCORCIATI )",
        blank,
        blank,
        blank,
        std::string(8, ' ') + "DIAMETRO DEL FILO  mm = " + input.wireDiameterMm,
        blank,
        std::string(15, ' ') + "FREQUENZA  Mhz = " + input.frequencyMhz,
        blank,
        std::string(9, ' ') + "LUNGHEZZA TOTALE  mt = " + input.totalLengthM,
        blank,
        std::string(4, ' ') + "DISTANZA DAL CENTRALE  mt = " + input.coilDistanceM,
        blank,
        std::string(10, ' ') + "VALORE MICRO HENRY  = " + input.inductance,
        blank,
        std::string(27, ' ') + std::string(26, '-'),
    };
}

}  // namespace zeliro
